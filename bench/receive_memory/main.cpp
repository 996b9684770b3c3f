// The console's memory while it receives text for hours: text lines through modara-sim into
// the real orvane (offscreen), with the console's resident memory (RSS) at the start, after
// every 10 MB and at the end, and the characters a second it took them in. The receive pane
// keeps its scrollback (4 MB by default); the session log keeps everything.
//
//   build/bin/bench_receive_memory [megabytes [scrollback KB]]    (default 100, the default)
// A scrollback larger than what is received shows the pane that keeps everything.
#include "e2e/ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace orvane::testing;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr std::size_t kLineLength = 64; // with CR LF, as the modem hands it over
constexpr std::size_t kLinesPerCommand = 60;

long rssKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// The simulator's control pipe, open for the whole run: a writer that came and went for each
// line could meet the simulator between two of its opens.
class ControlPipe {
public:
    explicit ControlPipe(const fs::path& path) : fd_(::open(path.c_str(), O_WRONLY)) {}
    ~ControlPipe() {
        if (fd_ >= 0) ::close(fd_);
    }
    void tell(const std::string& line) {
        const std::string text = line + "\n";
        for (std::size_t done = 0; fd_ >= 0 && done < text.size();) {
            const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
    }

private:
    int fd_;
};

// A line of text as a station sends it, numbered so that no two are alike.
std::string textLine(std::size_t number) {
    std::string line = "QST " + std::to_string(number) + " DE ORVANE BULLETIN WEATHER FOLLOWS ";
    line.resize(kLineLength - 2, '=');
    return line + "\\r\\n";
}

// Whether the session log (one file a UTC day) has the line `mark` yet.
bool logged(const fs::path& logs, const std::string& mark) {
    std::error_code ec;
    for (const auto& file : fs::directory_iterator(logs, ec)) {
        std::ifstream in(file.path(), std::ios::binary);
        in.seekg(0, std::ios::end);
        const std::streamoff size = in.tellg();
        in.seekg(std::max<std::streamoff>(0, size - 4096));
        const std::string tail((std::istreambuf_iterator<char>(in)), {});
        if (tail.find(mark) != std::string::npos) return true;
    }
    return false;
}

// Sends about `bytes` of text lines, then a mark, and waits until the console has it.
bool receive(ControlPipe& simulator, const fs::path& logs, std::size_t bytes,
             std::size_t& lineNumber, const std::string& mark) {
    for (std::size_t sent = 0; sent < bytes;) {
        std::string command = "text \"";
        for (std::size_t i = 0; i < kLinesPerCommand; ++i, sent += kLineLength)
            command += textLine(lineNumber++);
        simulator.tell(command + "\"");
    }
    simulator.tell("text \"" + mark + "\\r\\n\"");
    return waitUntil([&] { return logged(logs, mark); }, 600s);
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string scrollback =
        argc > 2 ? "[screen]\r\nReceiveScrollbackKB=" + std::string(argv[2]) + "\r\n" : "";
    TempDir dir;
    fs::create_directories(dir.path() / "Config" / "ports");
    std::ofstream(dir.path() / "Config" / "orvane.ini", std::ios::binary)
        << "[system]\r\nComPort=1\r\n" + scrollback;
    ChildProcess simulator({binaryDir() / "modara-sim",
                            {"--link", (dir.path() / "Config" / "ports" / "COM1").string(),
                             "--control", (dir.path() / "sim.ctl").string()},
                            dir.path(),
                            {},
                            dir.path() / "sim.out"});
    if (!waitUntil([&] { return fs::exists(dir.path() / "Config" / "ports" / "COM1"); }, 10s)) {
        std::fprintf(stderr, "modara-sim did not start\n");
        return 1;
    }
    ChildProcess console({binaryDir() / "orvane",
                          {},
                          dir.path(),
                          {{"QT_QPA_PLATFORM", "offscreen"}},
                          dir.path() / "orvane.out"});
    // Text sent during the console's start-up may be dropped by its handshake: the first mark
    // is sent again until it arrives.
    ControlPipe control(dir.path() / "sim.ctl");
    const fs::path logs = dir.path() / "Logs";
    const bool started = waitUntil(
        [&] {
            control.tell("text \"MARK START\\r\\n\"");
            return waitUntil([&] { return logged(logs, "MARK START"); }, 2s);
        },
        60s);
    std::size_t lineNumber = 0;
    if (!started) {
        std::fprintf(stderr, "the console did not start receiving\n");
        return 1;
    }
    const long startRss = rssKilobytes(console.pid());
    std::printf("receive pane memory, %zu MB of text lines through the simulator:\n", megabytes);
    std::printf("  %6s MB received: RSS %7.1f MB\n", "0", startRss / 1024.0);

    long tenMegabyteRss = -1;
    double seconds = 0;
    for (std::size_t block = 1; block * 10 <= megabytes; ++block) {
        const auto start = std::chrono::steady_clock::now();
        if (!receive(control, logs, 10 * kMegabyte, lineNumber, "MARK " + std::to_string(block))) {
            std::fprintf(stderr, "the console fell behind\n");
            return 1;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds += took.count();
        const long rss = rssKilobytes(console.pid());
        if (block == 1) tenMegabyteRss = rss;
        std::printf("  %6zu MB received: RSS %7.1f MB, %8.0f characters/s\n", block * 10,
                    rss / 1024.0, 10.0 * kMegabyte / took.count());
        std::fflush(stdout);
    }
    const long endRss = rssKilobytes(console.pid());
    std::printf("  at the end: RSS %.1f MB, %.1f MB more than after 10 MB (goal: within 30 MB); "
                "%.0f characters/s overall\n",
                endRss / 1024.0, (endRss - tenMegabyteRss) / 1024.0,
                static_cast<double>(megabytes / 10 * 10) * kMegabyte / seconds);
    console.signal(SIGTERM);
    console.waitForExit(10s);
    return 0;
}
