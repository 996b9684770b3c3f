#include "e2e/ModemRig.h"

#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace orvane::testing {

ModemRig::ModemRig(std::vector<std::string> simulatorArguments)
    : simulatorArguments_(std::move(simulatorArguments)) {
    std::filesystem::create_directories(dir() / "Config" / "ports");
    startSimulator();
}

void ModemRig::startSimulator() {
    std::vector<std::string> args{
        "--link", portLink().string(),          "--raw",     (dir() / "sim.raw").string(),
        "--log",  (dir() / "sim.log").string(), "--control", (dir() / "sim.ctl").string()};
    args.insert(args.end(), simulatorArguments_.begin(), simulatorArguments_.end());
    // Each simulator says "ready" once its link is made; a restarted one may
    // get the same pty, so the link itself may not change.
    const auto readyLines = [this] {
        const std::string out = readFile(dir() / "sim.out");
        std::size_t count = 0;
        for (auto at = out.find("ready"); at != std::string::npos; at = out.find("ready", at + 1))
            ++count;
        return count;
    };
    const std::size_t before = readyLines();
    simulator_ = std::make_unique<ChildProcess>(
        ChildProcess::Options{binaryDir() / "modara-sim", args, dir(), {}, dir() / "sim.out"});
    const bool linked =
        waitUntil([&] { return readyLines() > before && std::filesystem::exists(portLink()); },
                  std::chrono::seconds(10));
    if (!linked)
        throw std::runtime_error("modara-sim did not make its link: " +
                                 readFile(dir() / "sim.out"));
}

void ModemRig::restartSimulator() {
    startSimulator();
}

bool ModemRig::receivedEndsWith(const std::string& tail) const {
    std::string all = received();
    return all.size() >= tail.size() &&
           all.compare(all.size() - tail.size(), tail.size(), tail) == 0;
}

bool ModemRig::receivedContains(const std::string& part) const {
    return received().find(part) != std::string::npos;
}

void ModemRig::tellSimulator(const std::string& line) {
    int fd = ::open((dir() / "sim.ctl").c_str(), O_WRONLY);
    if (fd < 0) throw std::runtime_error("cannot open the simulator's control pipe");
    std::string text = line + "\n";
    [[maybe_unused]] ssize_t written = ::write(fd, text.data(), text.size());
    ::close(fd);
}

void ModemRig::writeSettings(const std::string& iniText) {
    std::ofstream(dir() / "Config" / "orvane.ini", std::ios::binary) << iniText;
}

ChildProcess& ModemRig::startConsole(double clockScale) {
    return startConsoleWith(
        {{"QT_QPA_PLATFORM", "offscreen"}, {"ORVANE_CLOCK_SCALE", std::to_string(clockScale)}});
}

ChildProcess& ModemRig::startConsoleOnDisplay(const std::string& display, Start start) {
    return startConsoleWith({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}}, start);
}

ChildProcess& ModemRig::startConsoleWith(std::map<std::string, std::string> environment,
                                         Start start) {
    if (start == Start::WithSettings && !std::filesystem::exists(dir() / "Config" / "orvane.ini"))
        writeSettings("[system]\r\nComPort=1\r\n");
    environment["ORVANE_TRANSCRIPT"] = (dir() / "transcript.txt").string();
    console_ = std::make_unique<ChildProcess>(ChildProcess::Options{
        binaryDir() / "orvane", {}, dir(), std::move(environment), dir() / "orvane.out"});
    return *console_;
}

std::string bytes(std::initializer_list<int> values) {
    std::string result;
    for (int v : values)
        result.push_back(static_cast<char>(v));
    return result;
}

std::string ModemRig::sessionLog() const {
    std::string all;
    if (!std::filesystem::exists(dir() / "Logs")) return all;
    for (const auto& entry : std::filesystem::directory_iterator(dir() / "Logs"))
        all += readFile(entry.path());
    return all;
}

} // namespace orvane::testing
