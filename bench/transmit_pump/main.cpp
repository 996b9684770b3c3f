// Pastes 1 MB of text, 10,000 lines, into the transmit pane of a console
// linked in Quoral to modara-sim, and pumps it out: the wire rate against the
// 960 bytes/s of the line, the longest the user interface went without
// handling its events while the pump ran, and what one pump pass costs on a
// full pane and on a nearly empty one.
//
// On a loaded machine the longest gap is mostly other processes holding the
// processor; the same gap counted in the interface thread's own processor
// time is what the console itself spent without handling events.

#include "app/Console.h"
#include "e2e/ModemRig.h"
#include "platform/QtClock.h"
#include "platform/QtUiThread.h"
#include "platform/Sound.h"
#include "protocol/CommandBuilders.h"
#include "support/ConsoleProbe.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <optional>

#include <cstdio>
#include <ctime>

using namespace orvane;

namespace {

constexpr double kLineRate = 960.0;
constexpr int kLines = 10000;
constexpr int kLineLength = 100; // with its line end: 1 MB in all

class Quiet final : public Sound {
public:
    void playSystemDefault() override {}
    void playExclamation() override {}
    void beep() override {}
    void tone(int, int) override {}
};

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times every pump pass: the queue-empty report comes to the window's thread
// as a queued call, which this filter sees first; the pump hears of it, and
// this timer after it.
class PassTimer : public QObject, public QueueEmptyListener {
public:
    PassTimer(ModemLine& line, const QPlainTextEdit& pane) : pane_(pane) {
        QCoreApplication::instance()->installEventFilter(this);
        line.addEmptyListener(*this);
    }
    void transmitQueueEmpty() override { passEnded(pane_.document()->blockCount()); }
    struct Figures {
        int passes = 0;
        double totalMs = 0;
        double worstMs = 0;
        void add(double ms) {
            ++passes;
            totalMs += ms;
            worstMs = std::max(worstMs, ms);
        }
        double meanUs() const { return passes ? totalMs * 1000.0 / passes : 0; }
    };
    void passEnded(int linesInPane) {
        if (!started_) return;
        started_ = false;
        const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        if (linesInPane > 9000) full.add(ms);
        if (linesInPane < 1000) nearlyEmpty.add(ms);
    }
    Figures full, nearlyEmpty;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MetaCall) {
            started_ = true;
            clock_.start();
        }
        return false;
    }

private:
    const QPlainTextEdit& pane_;
    QElapsedTimer clock_;
    bool started_ = false;
};

QString bulkText() {
    QString text;
    text.reserve(kLines * kLineLength);
    for (int i = 0; i < kLines; ++i) {
        QString line = QStringLiteral("%1 ").arg(i, 5, 10, QLatin1Char('0'));
        while (line.size() < kLineLength - 2)
            line += QLatin1Char('A' + (line.size() % 26));
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::ModemRig rig;
    QtClock clock;
    testing::ScriptedPrompter prompter;
    testing::ThrowingProcessExit processExit;
    Quiet sound;
    QtUiThread uiThread;
    Console console({clock, prompter, processExit, sound, uiThread, rig.dir()});
    ConsoleProbe probe(console);
    prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); });
    std::optional<bool> started;
    probe.sequences().start("start-up",
                            [&]() -> Task<> { started = co_await probe.startupSequence(); });
    while (!started)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!*started) return 1;

    probe.line().send(textCommand(CommandCode::QUORAL_CALL_NORMAL, "W1AW"));
    QElapsedTimer wait;
    wait.start();
    while (!probe.link().linkUp && wait.elapsed() < 10000)
        app.processEvents();
    if (!probe.link().linkUp) {
        std::puts("no link");
        return 1;
    }

    QPlainTextEdit& pane = *console.mainWindow().transmitPane();
    const QString text = bulkText();
    const std::size_t before = rig.received().size();

    // The event loop's pulse: the longest gap between two ticks is the worst stall.
    QElapsedTimer pulse;
    qint64 worstStall = 0;
    double worstOwnStall = 0;
    double lastCpu = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        worstStall = std::max(worstStall, pulse.restart());
        const double cpu = threadCpuMs();
        worstOwnStall = std::max(worstOwnStall, cpu - lastCpu);
        lastCpu = cpu;
    });
    PassTimer passes(probe.line(), pane);

    QElapsedTimer run;
    run.start();
    pane.setFocus();
    pane.textCursor().insertText(text); // as a paste does
    const qint64 pasteMs = run.elapsed();
    pulse.start();
    lastCpu = threadCpuMs();
    const double cpuBefore = lastCpu;
    ticker.start();
    while (pane.document()->characterCount() > 1 && run.elapsed() < 600000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double seconds = static_cast<double>(run.elapsed() - pasteMs) / 1000.0;
    ticker.stop();
    const double cpuSeconds = (threadCpuMs() - cpuBefore) / 1000.0;
    const std::size_t sent = rig.received().size() - before;

    std::printf("pasted %d lines (%lld bytes) in %lld ms\n", kLines,
                static_cast<long long>(text.size()), static_cast<long long>(pasteMs));
    std::printf(
        "wire: %zu bytes in %.2f s = %.0f bytes/s, %.1f times the line rate of %.0f bytes/s\n",
        sent, seconds, sent / seconds, sent / seconds / kLineRate, kLineRate);
    std::printf("worst user-interface stall while pumping: %lld ms (%.1f ms of it the interface "
                "thread's own work)\n",
                static_cast<long long>(worstStall), worstOwnStall);
    std::printf("interface thread busy %.1f s of the %.1f s\n", cpuSeconds, seconds);
    std::printf(
        "pump pass with over 9,000 lines in the pane: mean %.0f us, worst %.1f ms (%d passes)\n",
        passes.full.meanUs(), passes.full.worstMs, passes.full.passes);
    std::printf(
        "pump pass with under 1,000 lines in the pane: mean %.0f us, worst %.1f ms (%d passes)\n",
        passes.nearlyEmpty.meanUs(), passes.nearlyEmpty.worstMs, passes.nearlyEmpty.passes);
    return 0;
}
