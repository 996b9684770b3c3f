// How fast a file goes from one console to the other: first with the sender's transmit queue
// writing to a port double that drains like a UART at 9600 8N1 (with how long Panic and Forced
// OVER then take to reach the wire behind the data), then between two whole
// consoles through the air, both serial lines paced like real 9600 8N1 lines (960 bytes a
// second each way).
//
//   build/bin/bench_transfer [kilobytes]     (QT_QPA_PLATFORM=offscreen without a display)
#include "TwoConsoles.h"
#include "UartRun.h"

#include "app/FileTransfers.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <random>
#include <tuple>

using namespace orvane;

namespace {

constexpr double kLineLimit = 960.0; // bytes a second at 9600 8N1

std::vector<std::uint8_t> Incompressible(std::size_t n) {
    std::mt19937 random(5);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::vector<std::uint8_t> Text(std::size_t n) {
    static const char* const words[] = {
        "the ",       "station ", "report ", "weather ",     "signal ", "QSL ",  "73 ",
        "frequency ", "antenna ", "band ",   "propagation ", "good ",   "copy ", "\r\n"};
    std::mt19937 random(9);
    std::string text;
    while (text.size() < n)
        text += words[random() % std::size(words)];
    text.resize(n);
    return {text.begin(), text.end()};
}

// Seconds from the operator's choice to the sender's log line.
double Send(TwoConsoles& two, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const auto path = two.alpha.rig.dir() / name;
    WriteBytes(path, bytes);
    two.bravo.t.prompter.chooseNextFile(std::nullopt);
    two.alpha.t.prompter.chooseNextFiles({path.string()});
    const std::size_t logged = two.alpha.logLines().size();
    const auto start = std::chrono::steady_clock::now();
    two.alpha.trigger("mnuFilesSendBinaryFile");
    ConsoleUnderTest::waitFor([&] { return two.alpha.logLines().size() > logged; }, 600000);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    two.alpha.pressXferButton();
    two.bravo.pressXferButton();
    if (ReadBytes(two.bravo.in() / name) != bytes)
        std::printf("  %s ARRIVED DAMAGED\n", name.c_str());
    return took.count();
}

void Report(const char* what, std::size_t size, double seconds, const std::string& logLine) {
    const double rate = static_cast<double>(size) / seconds;
    std::printf("  %-16s %7zu bytes in %6.1f s: %6.0f file bytes/s = %5.1f %% of the line (%s)\n",
                what, size, seconds, rate, 100.0 * rate / kLineLimit, logLine.c_str());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::size_t kilobytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 16;
    const std::size_t size = kilobytes * 1024;
    const auto noise = Incompressible(size);
    const auto words = Text(size * 2);

    std::printf("binary transfer, sender's queue into a UART-like port at %.0f bytes/s:\n",
                kLineLimit);
    for (const auto& [what, file, bytes] :
         {std::tuple{"incompressible", "noise.bin", &noise}, {"text", "words.txt", &words}}) {
        const UartTransfer run = UartTransferRun(file, *bytes);
        Report(what, bytes->size(), run.seconds, run.outcome);
        std::printf("  %-16s the line busy %5.1f %% of the time\n", "",
                    100.0 * static_cast<double>(run.lineBytes) / (run.seconds * kLineLimit));
    }
    const double characterMs = 1000.0 / kLineLimit;
    for (const auto& [what, latency] :
         {std::pair{"Panic", PanicLatency(30)}, std::pair{"Forced OVER", ForcedOverLatency(30)}})
        std::printf("  %-16s on the wire after %.1f ms on average (%.1f to %.1f ms; a character "
                    "takes %.2f ms)\n",
                    what, latency.mean, latency.least, latency.most, characterMs);

    std::printf("binary transfer through the air, serial lines at 9600 8N1 (%.0f bytes/s):\n",
                kLineLimit);
    TwoConsoles two({"--line-rate", "9600"});
    // Side by side, for a look at both under a virtual display.
    for (Station* s : {&two.alpha, &two.bravo})
        s->t.console.mainWindow().resize(630, 560);
    two.bravo.t.console.mainWindow().move(640, 0);
    two.alpha.t.console.mainWindow().move(0, 0);

    const double incompressible = Send(two, "noise.bin", noise);
    Report("incompressible", size, incompressible, two.alpha.logLines().back());
    const double text = Send(two, "words.txt", words);
    Report("text", size * 2, text, two.alpha.logLines().back());
    return 0;
}
