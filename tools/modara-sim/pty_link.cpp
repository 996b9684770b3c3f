#include "pty_link.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace modara_sim {

namespace {
std::string failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
}
} // namespace

PtyLink::~PtyLink() {
    unpublish();
    close();
}

void PtyLink::close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

std::string PtyLink::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return failure("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return failure("grantpt/unlockpt");
    char name[PATH_MAX];
    if (::ptsname_r(master_, name, sizeof name) != 0) return failure("ptsname_r");
    slavePath_ = name;

    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) return failure(slavePath_);
    termios line{};
    if (::tcgetattr(slave_, &line) != 0) return failure("tcgetattr");
    ::cfmakeraw(&line);
    ::cfsetispeed(&line, B9600);
    ::cfsetospeed(&line, B9600);
    line.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(slave_, TCSANOW, &line) != 0) return failure("tcsetattr");

    int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) return failure("fcntl");
    return {};
}

std::string PtyLink::publish(const std::string& linkPath) {
    // Made beside the target and renamed over it, so the link appears complete or not at all.
    std::string temporary = linkPath + ".modara-sim." + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(slavePath_.c_str(), temporary.c_str()) != 0) return failure(temporary);
    if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        std::string error = failure(linkPath);
        ::unlink(temporary.c_str());
        return error;
    }
    linkPath_ = linkPath;
    return {};
}

void PtyLink::unpublish() {
    if (linkPath_.empty()) return;
    char target[PATH_MAX];
    ssize_t length = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (length >= 0 && std::string(target, static_cast<std::size_t>(length)) == slavePath_)
        ::unlink(linkPath_.c_str());
    linkPath_.clear();
}

} // namespace modara_sim
