#include "control_fifo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace modara_sim {

ControlFifo::~ControlFifo() {
    if (fd_ >= 0) ::close(fd_);
}

std::string ControlFifo::open(const std::string& path) {
    path_ = path;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (::mkfifo(path.c_str(), 0600) != 0) return path + ": " + std::strerror(errno);
    } else if (!S_ISFIFO(info.st_mode)) {
        return path + ": exists and is not a named pipe";
    }
    return reopen();
}

std::string ControlFifo::reopen() {
    if (fd_ >= 0) ::close(fd_);
    // Non-blocking, so that opening does not wait for a writer.
    fd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd_ < 0) return path_ + ": " + std::strerror(errno);
    return {};
}

void ControlFifo::readLines(std::vector<std::string>& lines) {
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            partial_.append(buffer, static_cast<std::size_t>(n));
            std::size_t newline;
            while ((newline = partial_.find('\n')) != std::string::npos) {
                lines.push_back(partial_.substr(0, newline));
                partial_.erase(0, newline + 1);
            }
            continue;
        }
        if (n == 0) { // the writer has gone
            if (!partial_.empty()) lines.push_back(std::move(partial_));
            partial_.clear();
            reopen();
        }
        return; // n < 0: nothing more for now
    }
}

} // namespace modara_sim
