#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace orvane::testing {

// A program of ours started by a test, killed when the test ends.
class ChildProcess {
public:
    struct Options {
        std::filesystem::path program;
        std::vector<std::string> arguments;
        std::filesystem::path workingDirectory;
        std::map<std::string, std::string> environment; // added to the test's own
        std::filesystem::path output;                   // stdout and stderr go here
        int inheritedFd = -1; // a descriptor of ours the program keeps open (-1: none)
    };

    explicit ChildProcess(const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int signo);
    // The exit status, once the process has ended within the time given.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    bool running();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Where the project's programs were built (set by CTest in the environment).
std::filesystem::path binaryDir();

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
// Waits until `done()` holds, up to the timeout; true when it did.
template <typename Predicate> bool waitUntil(Predicate done, std::chrono::milliseconds timeout);

} // namespace orvane::testing

#include "e2e/ChildProcess.inl"
