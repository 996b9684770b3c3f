// Feeds a pseudo-terminal as the modem would (text lines with CR LF, status
// codes with their prefix) and measures how many items a second reach their
// handler: SerialPort, PortReaderThread and RxDecoder into the RxQueue, then
// RoutingThread handing bursts of items over to the user-interface thread,
// where text goes into a receive pane that already holds 1 MB.

#include "serial/EchoCounter.h"
#include "serial/PortReaderThread.h"
#include "serial/ReceiveRouting.h"
#include "serial/ReceivedCharHandler.h"
#include "serial/ReceivedTextSink.h"
#include "serial/RoutingFlags.h"
#include "serial/RoutingThread.h"
#include "serial/RxQueue.h"
#include "serial/SerialPort.h"
#include "serial/WireTraceRing.h"
#include "ui/terminal/ReceivePane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <pty.h>
#include <thread>
#include <time.h>
#include <unistd.h>

using namespace orvane;

namespace {

constexpr double kLineRate = 960.0; // items a second at 9600 bit/s
constexpr int kPreloadBytes = 1 << 20;

QString preloadText() {
    const QString line = QString(79, QLatin1Char('x')) + QLatin1Char('\n');
    QString text;
    text.reserve(kPreloadBytes);
    while (text.size() + line.size() <= kPreloadBytes)
        text += line;
    return text;
}

// The modem's side: lines of text ended by CR LF, and now and then a status
// code (prefix 0x80 and the code). Returns the bytes and the item count.
std::vector<std::uint8_t> modemStream(std::size_t lines, std::size_t& items) {
    const std::string text = "CQ CQ CQ DE ORVANE TEST STATION QTH HERE PSE K";
    std::vector<std::uint8_t> stream;
    items = 0;
    for (std::size_t i = 0; i < lines; ++i) {
        stream.insert(stream.end(), text.begin(), text.end());
        stream.push_back('\r');
        stream.push_back('\n');
        items += text.size() + 2;
        if (i % 4 == 0) {
            stream.push_back(0x80);
            stream.push_back(static_cast<std::uint8_t>(0x20 + i % 16));
            ++items;
        }
    }
    return stream;
}

// The app's side of the hand-over: the routing thread waits until the
// user-interface thread has routed a burst, each item handled before the next.
class PaneDelivery final : public ReceiveDelivery,
                           public BinaryReceiveSink,
                           public ReceivedTextSink,
                           public ReceiveWindow {
public:
    PaneDelivery(ReceivePane& pane, QWidget& transmitPane, const RoutingFlags& flags,
                 EchoCounter& echoes)
        : pane_(pane), transmitPane_(transmitPane),
          handler_(*this, *this, flags, echoes,
                   {[] { return false; }, [] { return std::string("ON"); }}) {}

    void deliverStatus(std::uint8_t) override {
        onUi([this] { delivered(); });
    }
    void deliverInBand(std::uint8_t) override {
        onUi([this] { delivered(); });
    }
    void deliverReceivedChar(std::uint8_t byte) override {
        onUi([this, byte] {
            if (!skipPane) handler_.handle(byte);
            delivered();
        });
    }
    void writeByte(std::uint8_t) override { delivered(); }
    void post(std::function<void()> burst) override {
        QMetaObject::invokeMethod(&uiContext_, std::move(burst), Qt::QueuedConnection);
    }

    bool faxTransferPanelVisible() const override { return false; }
    void showReceived(char c) override { pane_.showReceived(c); }
    void showEcho(char c) override { pane_.showEcho(c); }
    void playSystemDefault() override {}
    void captureChar(std::uint8_t) override {}
    void returnFocus() override { transmitPane_.setFocus(); }

    bool skipPane = false;
    std::size_t expected = 0;
    std::atomic<std::size_t> count{0};

private:
    template <class F> void onUi(F&& work) {
        if (QThread::currentThread() == uiContext_.thread())
            work();
        else
            QMetaObject::invokeMethod(&uiContext_, std::forward<F>(work),
                                      Qt::BlockingQueuedConnection);
    }
    void delivered() {
        if (++count == expected) QCoreApplication::quit();
    }
    QObject uiContext_; // a plain object: events to widgets cost more to deliver
    ReceivePane& pane_;
    QWidget& transmitPane_;
    ReceivedCharHandler handler_;
};

// One character at a time into a pane holding 1 MB, as the pane does it.
template <class Edit> double insertRate(const char* name) {
    Edit edit;
    edit.resize(800, 600);
    edit.show();
    edit.setPlainText(preloadText());
    QTextCursor at(edit.document());
    at.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(Qt::red);
    constexpr int kChars = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kChars; ++i) {
        if (i % 60 == 59)
            at.insertBlock();
        else
            at.insertText(QString(QLatin1Char('a' + i % 26)), format);
        edit.ensureCursorVisible();
        if (i % 100 == 0) QCoreApplication::processEvents();
    }
    const double rate = kChars / (static_cast<double>(timer.nsecsElapsed()) / 1e9);
    std::printf("  %-16s %10.0f characters/s\n", name, rate);
    return rate;
}

// The hand-over alone: an empty call into the user-interface thread and back.
// It bounds what the whole path can reach on this machine.
void handOverRate() {
    QObject context;
    constexpr int kCalls = 50000;
    QElapsedTimer timer;
    timer.start();
    std::thread caller([&] {
        for (int i = 0; i < kCalls; ++i)
            QMetaObject::invokeMethod(
                &context, [] {}, Qt::BlockingQueuedConnection);
        QMetaObject::invokeMethod(&context, [] { QCoreApplication::quit(); });
    });
    QCoreApplication::exec();
    caller.join();
    const double rate = kCalls / (static_cast<double>(timer.nsecsElapsed()) / 1e9);
    std::printf("Blocking hand-over alone: %.0f calls/s = %.1f times the line rate\n", rate,
                rate / kLineRate);
}

// The wire trace as the port sees it: it counts the calls and passes them on.
class CountingTap final : public WireTap {
public:
    explicit CountingTap(WireTap& next) : next_(next) {}
    void record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept override {
        ++calls;
        byteCount += bytes.size();
        next_.record(direction, bytes);
    }
    std::size_t calls = 0;
    std::size_t byteCount = 0;

private:
    WireTap& next_;
};

// What recording `size` bytes at a time costs per call, in nanoseconds.
double recordingNanoseconds(std::size_t size) {
    WireTraceRing ring;
    std::vector<std::uint8_t> chunk(std::max<std::size_t>(size, 1), 0x41);
    constexpr int kCalls = 1000000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i)
        ring.record(i % 2 ? WireDirection::ToModem : WireDirection::FromModem, chunk);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() * 1e9 /
           kCalls;
}

// The wire trace's share of the receive path: its calls of this run, at the
// cost of a call of this run's mean read size, against the path's CPU time.
void traceRecordingCost(const CountingTap& tap, double pathCpuSeconds) {
    std::printf("Wire trace recording: %.0f ns per 1-byte read, %.0f ns per 64-byte read\n",
                recordingNanoseconds(1), recordingNanoseconds(64));
    if (tap.calls == 0) return;
    const std::size_t meanRead = tap.byteCount / tap.calls;
    const double seconds = static_cast<double>(tap.calls) * recordingNanoseconds(meanRead) / 1e9;
    std::printf(
        "  this run: %zu reads of %zu bytes on average, %.2f ms = %.3f %% of the path's CPU "
        "(goal < 1 %%)\n",
        tap.calls, meanRead, seconds * 1e3, 100.0 * seconds / pathCpuSeconds);
}

double processCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    if (!qEnvironmentVariableIsSet("BENCH_PATH_ONLY")) {
        std::printf("One character at a time into a pane holding 1 MB:\n");
        insertRate<QPlainTextEdit>("QPlainTextEdit");
        insertRate<QTextEdit>("QTextEdit");
    }

    handOverRate();

    int master = -1;
    int slave = -1;
    char slaveName[256];
    if (::openpty(&master, &slave, slaveName, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    const auto base =
        std::filesystem::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base / "Config" / "ports");
    std::filesystem::create_symlink(slaveName, base / "Config" / "ports" / "COM1");
    auto opening = openPortName(systemPortDevices(), "COM1", base);
    if (!opening.port) {
        std::fprintf(stderr, "%s\n", opening.error.c_str());
        return 1;
    }

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* pane = new ReceivePane(&window);
    auto* transmitPane = new QLineEdit(&window);
    layout->addWidget(pane);
    layout->addWidget(transmitPane);
    window.resize(800, 600);
    window.show();
    {
        QTextCursor end(pane->document());
        end.movePosition(QTextCursor::End);
        end.insertText(preloadText());
    }
    std::printf("Pane holds %d characters, insert point at %d\n",
                pane->document()->characterCount() - 1, pane->RxInsertPoint());

    RxQueue queue;
    XonXoffFilter filter;
    RoutingFlags flags;
    EchoCounter echoes;
    PaneDelivery delivery(*pane, *transmitPane, flags, echoes);
    std::size_t items = 0;
    const auto stream = modemStream(4000, items);
    delivery.expected = items;
    delivery.skipPane = qEnvironmentVariableIsSet("BENCH_NO_PANE");

    // BENCH_TRACE=1 runs the path with the wire trace recording, as the console does.
    WireTraceRing trace;
    CountingTap counting(trace);
    if (qEnvironmentVariableIsSet("BENCH_TRACE")) opening.port->setWireTap(&counting);
    PortReaderThread reader(*opening.port, queue, filter);
    RoutingThread router(queue, flags, delivery, delivery);
    router.resume();

    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = processCpuSeconds();
    std::thread modem([&] {
        std::size_t done = 0;
        while (done < stream.size()) {
            const auto n = ::write(master, stream.data() + done, stream.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
    });
    app.exec();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = processCpuSeconds() - cpuBefore;
    modem.join();

    const double rate = static_cast<double>(delivery.count) / seconds;
    std::printf("Receive path: %zu of %zu items in %.3f s\n", delivery.count.load(), items,
                seconds);
    std::printf("  %.0f items/s = %.1f times the line rate of %.0f items/s (goal 50)\n", rate,
                rate / kLineRate, kLineRate);
    // The wall-clock figure depends on what else the machine runs; the CPU
    // time says what the path itself costs.
    const double cpuPerItem = cpuSeconds * 1e6 / static_cast<double>(delivery.count);
    std::printf("  %.1f us of CPU per item (all threads, the modem's writer included)%s\n",
                cpuPerItem, trace.byteCount() > 0 ? ", wire trace recording" : "");
    traceRecordingCost(counting, cpuSeconds);

    flags.RoutingEnabled = false;
    router.stop();
    reader.stop();
    opening.port.reset();
    ::close(slave);
    ::close(master);
    std::filesystem::remove_all(base);
    return 0;
}
