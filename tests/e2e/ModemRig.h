#pragma once

#include "e2e/ChildProcess.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::testing {

// A working directory with the simulated modem on COM1, and the console
// started in it: what an operator has after scripts/demo.
class ModemRig {
public:
    explicit ModemRig(std::vector<std::string> simulatorArguments = {});

    const std::filesystem::path& dir() const { return dir_.path(); }
    std::filesystem::path portLink() const { return dir() / "Config" / "ports" / "COM1"; }
    // Every byte the simulator received from the console, in order.
    std::string received() const { return readFile(dir() / "sim.raw"); }
    std::string simulatorLog() const { return readFile(dir() / "sim.log"); }
    std::string consoleOutput() const { return readFile(dir() / "orvane.out"); }
    // Every session log the console wrote under Logs/, one after another.
    std::string sessionLog() const;
    bool receivedEndsWith(const std::string& bytes) const;
    bool receivedContains(const std::string& bytes) const;

    // Starts a new simulator on the same link (after the old one was killed).
    void restartSimulator();

    // Writes a script line to the simulator's control pipe.
    void tellSimulator(const std::string& line);

    void writeSettings(const std::string& iniText);
    // Starts orvane in the directory, offscreen, with the clock scaled.
    ChildProcess& startConsole(double clockScale = 1.0);
    // Starts orvane in the directory on an X display (":99"), for input by keys;
    // with a settings file naming COM1 unless one is there or it is a first start.
    enum class Start { WithSettings, First };
    ChildProcess& startConsoleOnDisplay(const std::string& display,
                                        Start start = Start::WithSettings);
    ChildProcess& console() { return *console_; }
    ChildProcess& simulator() { return *simulator_; }

private:
    void startSimulator();
    ChildProcess& startConsoleWith(std::map<std::string, std::string> environment,
                                   Start start = Start::WithSettings);

    TempDir dir_;
    std::vector<std::string> simulatorArguments_;
    std::unique_ptr<ChildProcess> simulator_;
    std::unique_ptr<ChildProcess> console_;
};

std::string bytes(std::initializer_list<int> values);

} // namespace orvane::testing
