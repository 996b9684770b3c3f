#include "sim_loop.h"

#include "air_socket.h"
#include "control_fifo.h"
#include "line_rate.h"
#include "pty_link.h"
#include "replay_trace.h"
#include "script_runner.h"
#include "sim_log.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace modara_sim {

namespace {

int gWakeWrite = -1;
volatile std::sig_atomic_t gStopRequested = 0;

void onStopSignal(int) {
    gStopRequested = 1;
    if (gWakeWrite >= 0) {
        [[maybe_unused]] auto ignored = ::write(gWakeWrite, "x", 1);
    }
}

Millis steadyNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::optional<std::vector<TraceLine>> loadTrace(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "modara-sim: cannot read %s\n", path.c_str());
        return std::nullopt;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ParsedTrace parsed = parseTrace(text);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "modara-sim: %s: %s\n", path.c_str(), parsed.error.c_str());
        return std::nullopt;
    }
    return std::move(parsed.lines);
}

bool loadScript(const std::string& path, std::vector<ScriptCommand>& commands) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "modara-sim: cannot read %s\n", path.c_str());
        return false;
    }
    std::string line;
    bool good = true;
    for (int number = 1; std::getline(in, line); ++number) {
        ParsedLine parsed = parseScriptLine(line);
        if (!parsed.error.empty()) {
            std::fprintf(stderr, "modara-sim: %s:%d: %s\n", path.c_str(), number,
                         parsed.error.c_str());
            good = false;
        } else if (parsed.command) {
            commands.push_back(std::move(*parsed.command));
        }
    }
    return good;
}

class Loop final : private SimulatorControl {
public:
    Loop(const Options& options, SimLog& log, PtyLink& pty, ControlFifo* fifo, int wakeRead,
         AirSocket* air)
        : log_(log), pty_(pty), fifo_(fifo), wakeRead_(wakeRead), air_(air),
          modem_(options.modem, [this](const std::string& line) { log_.comment(line); }),
          script_(modem_, *this, logSink()), control_(modem_, *this, logSink()) {
        if (air_ != nullptr) modem_.setAirPeer(air_);
        if (options.lineRate > 0) {
            toConsole_.emplace(options.lineRate, kUartFifo);
            fromConsole_.emplace(options.lineRate, kModemInputBlock);
        }
    }

    ScriptRunner& script() { return script_; }
    // From now on the modem's side comes from the trace; the modem itself stays quiet.
    void replay(const std::vector<TraceLine>& lines) { replay_.emplace(lines, steadyNow()); }

    void run() {
        while (!quit_ && gStopRequested == 0) {
            const Millis now = steadyNow();
            modem_.tick(now);
            if (replay_) replay_->tick(now);
            runScripts(now);
            writeOutput();
            if (quit_) break;
            waitForEvents(timeoutFrom(now));
        }
        drainOutput();
    }

private:
    // SimulatorControl
    void quit() override { quit_ = true; }
    void closePty() override {
        pty_.close();
        pending_.clear(); // a line switched off carries nothing
        log_.comment("# pty closed; the link is left to " + pty_.slavePath());
    }
    void newPty() override {
        const std::string link = pty_.linkPath();
        pty_.close();
        std::string error = pty_.open();
        if (error.empty()) error = pty_.publish(link);
        log_.comment(error.empty() ? "# new pty " + pty_.slavePath() : "# new pty: " + error);
    }

    Modem::LogSink logSink() {
        return [this](const std::string& line) { log_.comment(line); };
    }

    void runScripts(Millis now) {
        script_.run(now);
        control_.run(now);
    }

    int timeoutFrom(Millis now) {
        Millis wait = 1000;
        const auto replayDue = replay_ ? replay_->nextDue() : std::nullopt;
        for (auto due :
             {modem_.nextDue(), script_.nextDue(), control_.nextDue(), replayDue, lineDue(now)})
            if (due) wait = std::min(wait, *due - now);
        return static_cast<int>(std::max<Millis>(wait, 0));
    }

    // A UART's transmit FIFO; the modem takes the console's bytes in blocks of up to this
    // many (and so echoes them in blocks, not byte by byte).
    static constexpr std::size_t kUartFifo = 16;
    static constexpr std::size_t kModemInputBlock = 128;

    std::size_t consoleBytesWaiting() const {
        int n = 0;
        if (::ioctl(pty_.master(), FIONREAD, &n) != 0 || n < 0) return 0;
        return static_cast<std::size_t>(n);
    }

    // With the line model: what has to have crossed the line before the next read.
    std::size_t readNeed() const {
        return std::clamp<std::size_t>(consoleBytesWaiting(), 1, kModemInputBlock);
    }

    // With the line model, the next moment bytes may pass while the line is busy.
    std::optional<Millis> lineDue(Millis now) {
        std::optional<Millis> due;
        if (fromConsole_) due = fromConsole_->nextAt(now, readNeed());
        if (toConsole_ && !pending_.empty())
            if (auto out = toConsole_->nextAt(now); out && (!due || *out < *due)) due = out;
        return due;
    }

    std::size_t lineAllowance(std::optional<LineRate>& line, std::size_t wanted) {
        return line ? std::min(wanted, line->allowance(steadyNow())) : wanted;
    }

    void waitForEvents(int timeout) {
        pollfd fds[4] = {
            {pty_.master(), 0, 0}, {wakeRead_, POLLIN, 0}, {-1, POLLIN, 0}, {-1, POLLIN, 0}};
        if (!fromConsole_ || fromConsole_->allowance(steadyNow()) >= readNeed())
            fds[0].events |= POLLIN;
        if (!pending_.empty() && lineAllowance(toConsole_, 1) > 0) fds[0].events |= POLLOUT;
        if (fifo_ != nullptr) fds[2].fd = fifo_->fd();
        if (air_ != nullptr) {
            fds[3].fd = air_->fd();
            if (air_->wantsWrite()) fds[3].events |= POLLOUT;
        }
        if (::poll(fds, 4, timeout) < 0) return; // EINTR: the loop looks again
        if (fds[0].revents & POLLIN) readConsole();
        if (fifo_ != nullptr && (fds[2].revents & (POLLIN | POLLHUP))) readControl();
        if (air_ != nullptr) {
            if (fds[3].revents & POLLOUT) air_->onWritable();
            if (fds[3].revents & (POLLIN | POLLHUP | POLLERR)) readAir();
        }
    }

    void readAir() {
        std::vector<AirFrame> frames;
        air_->onReadable(frames);
        for (const auto& frame : frames)
            modem_.fromAir(frame);
    }

    void readConsole() {
        std::uint8_t buffer[4096];
        const std::size_t room = lineAllowance(fromConsole_, sizeof buffer);
        if (room == 0) return;
        ssize_t n = ::read(pty_.master(), buffer, room);
        if (n <= 0) return;
        const auto size = static_cast<std::size_t>(n);
        if (fromConsole_) fromConsole_->used(size);
        const Millis now = steadyNow();
        runScripts(now); // a sleep that has just ended lets its wait-rx see these bytes
        log_.received(buffer, size);
        if (replay_)
            replay_->receive(size, now);
        else
            modem_.receive(buffer, size, now);
        script_.onReceived(buffer, size);
        control_.onReceived(buffer, size);
        runScripts(now);
    }

    void readControl() {
        std::vector<std::string> lines;
        fifo_->readLines(lines);
        for (const auto& line : lines) {
            ParsedLine parsed = parseScriptLine(line);
            if (!parsed.error.empty())
                log_.comment("# control: " + parsed.error + ": " + line);
            else if (parsed.command)
                control_.add(std::move(*parsed.command));
        }
        runScripts(steadyNow());
    }

    void writeOutput() {
        Bytes fresh = modem_.takeOutput();
        if (pty_.master() < 0) return; // switched off: what it says is lost
        pending_.insert(pending_.end(), fresh.begin(), fresh.end());
        if (replay_) {
            fresh = replay_->takeOutput();
            pending_.insert(pending_.end(), fresh.begin(), fresh.end());
        }
        while (!pending_.empty()) {
            const std::size_t room = lineAllowance(toConsole_, pending_.size());
            if (room == 0) return; // the line is busy: the loop wakes when it is free
            ssize_t n = ::write(pty_.master(), pending_.data(), room);
            if (n <= 0) return; // the console is not reading: keep it for later
            if (toConsole_) toConsole_->used(static_cast<std::size_t>(n));
            log_.sent(pending_.data(), static_cast<std::size_t>(n));
            pending_.erase(pending_.begin(), pending_.begin() + n);
        }
    }

    // What is still queued when we stop gets a second to go out.
    void drainOutput() {
        const Millis deadline = steadyNow() + 1000;
        writeOutput();
        while (!pending_.empty() && steadyNow() < deadline) {
            pollfd fd{pty_.master(), POLLOUT, 0};
            ::poll(&fd, 1, 50);
            writeOutput();
        }
    }

    SimLog& log_;
    PtyLink& pty_;
    ControlFifo* fifo_;
    int wakeRead_;
    AirSocket* air_;
    std::optional<LineRate> toConsole_;
    std::optional<LineRate> fromConsole_;
    bool quit_ = false;
    Modem modem_;
    ScriptRunner script_;
    ScriptRunner control_;
    Bytes pending_;
    std::optional<ReplayPlayer> replay_;
};

} // namespace

int runSimulator(const Options& options) {
    std::vector<ScriptCommand> script;
    if (!options.script.empty() && !loadScript(options.script, script)) return 2;
    std::optional<std::vector<TraceLine>> trace;
    if (!options.replay.empty() && !(trace = loadTrace(options.replay))) return 2;

    SimLog log;
    if (auto error = log.open(options.log, options.raw); !error.empty()) {
        std::fprintf(stderr, "modara-sim: %s\n", error.c_str());
        return 1;
    }
    PtyLink pty;
    if (auto error = pty.open(); !error.empty()) {
        std::fprintf(stderr, "modara-sim: %s\n", error.c_str());
        return 1;
    }
    ControlFifo fifo;
    if (!options.control.empty()) {
        if (auto error = fifo.open(options.control); !error.empty()) {
            std::fprintf(stderr, "modara-sim: %s\n", error.c_str());
            return 1;
        }
    }

    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) return 1;
    gWakeWrite = wake[1];
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    AirSocket air;
    if (!options.air.empty()) {
        if (auto error = air.open(options.air); !error.empty()) {
            std::fprintf(stderr, "modara-sim: %s\n", error.c_str());
            return 1;
        }
    }
    Loop loop(options, log, pty, options.control.empty() ? nullptr : &fifo, wake[0],
              options.air.empty() ? nullptr : &air);
    if (auto error = pty.publish(options.link); !error.empty()) {
        std::fprintf(stderr, "modara-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("modara-sim: ready %s\n", pty.slavePath().c_str());
    std::fflush(stdout);

    if (trace) loop.replay(*trace);
    for (auto& command : script)
        loop.script().add(std::move(command));
    loop.run();
    pty.unpublish();
    gWakeWrite = -1;
    ::close(wake[0]);
    ::close(wake[1]);
    return 0;
}

} // namespace modara_sim
