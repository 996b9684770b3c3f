#include "e2e/ModemRig.h"

#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace orvane::testing {

ModemRig::ModemRig(std::vector<std::string> simulatorArguments) {
    std::filesystem::create_directories(dir() / "Config" / "ports");
    std::vector<std::string> args{"--link", portLink().string(), "--raw", (dir() / "sim.raw").string(),
                                  "--log", (dir() / "sim.log").string(), "--control",
                                  (dir() / "sim.ctl").string()};
    args.insert(args.end(), simulatorArguments.begin(), simulatorArguments.end());
    simulator_ = std::make_unique<ChildProcess>(ChildProcess::Options{
        binaryDir() / "modara-sim", args, dir(), {}, dir() / "sim.out"});
    if (!waitUntil([this] { return std::filesystem::exists(portLink()); }, std::chrono::seconds(10)))
        throw std::runtime_error("modara-sim did not make its link: " + readFile(dir() / "sim.out"));
}

bool ModemRig::receivedEndsWith(const std::string& tail) const {
    std::string all = received();
    return all.size() >= tail.size() && all.compare(all.size() - tail.size(), tail.size(), tail) == 0;
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
    if (!std::filesystem::exists(dir() / "Config" / "orvane.ini"))
        writeSettings("[system]\r\nComPort=1\r\n");
    console_ = std::make_unique<ChildProcess>(ChildProcess::Options{
        binaryDir() / "orvane",
        {},
        dir(),
        {{"QT_QPA_PLATFORM", "offscreen"},
         {"ORVANE_CLOCK_SCALE", std::to_string(clockScale)},
         {"ORVANE_TRANSCRIPT", (dir() / "transcript.txt").string()}},
        dir() / "orvane.out"});
    return *console_;
}

std::string bytes(std::initializer_list<int> values) {
    std::string result;
    for (int v : values) result.push_back(static_cast<char>(v));
    return result;
}

} // namespace orvane::testing
