#include "e2e/ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::testing {

ChildProcess::ChildProcess(const Options& options) {
    std::vector<std::string> args{options.program.string()};
    args.insert(args.end(), options.arguments.begin(), options.arguments.end());
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        if (!options.workingDirectory.empty() && ::chdir(options.workingDirectory.c_str()) != 0)
            std::_Exit(126);
        for (const auto& [name, value] : options.environment)
            ::setenv(name.c_str(), value.c_str(), 1);
        int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        if (!options.output.empty()) {
            int out = ::open(options.output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
        }
        if (options.inheritedFd >= 0) ::fcntl(options.inheritedFd, F_SETFD, 0);
        ::setpgid(0, 0);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
}

ChildProcess::~ChildProcess() {
    if (running()) {
        ::kill(pid_, SIGKILL);
        waitForExit(std::chrono::seconds(5));
    }
}

void ChildProcess::signal(int signo) {
    if (pid_ > 0 && !status_) ::kill(pid_, signo);
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    waitUntil([this] { return !running(); }, timeout);
    return status_;
}

bool ChildProcess::running() {
    if (status_ || pid_ <= 0) return false;
    int status = 0;
    pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

std::filesystem::path binaryDir() {
    if (const char* dir = std::getenv("ORVANE_BIN_DIR")) return dir;
#ifdef ORVANE_TEST_BIN_DIR
    return ORVANE_TEST_BIN_DIR;
#else
    return std::filesystem::current_path();
#endif
}

TempDir::TempDir() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("orvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace orvane::testing
