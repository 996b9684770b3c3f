#include "air_socket.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace modara_sim {

namespace {

bool addressOf(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

sockaddr* asSockaddr(sockaddr_un& address) {
    return reinterpret_cast<sockaddr*>(&address);
}

} // namespace

AirSocket::~AirSocket() {
    if (peer_ >= 0) ::close(peer_);
    if (listener_ >= 0) {
        ::close(listener_);
        ::unlink(path_.c_str());
    }
}

std::string AirSocket::open(const std::string& path) {
    path_ = path;
    sockaddr_un address{};
    if (!addressOf(path, address)) return "air socket path too long: " + path;

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return std::string("air socket: ") + std::strerror(errno);
    if (::connect(fd, asSockaddr(address), sizeof address) == 0) {
        peer_ = fd;
        return {};
    }
    // Nobody there (or a socket left by a simulator that died): we listen.
    ::unlink(path.c_str());
    if (::bind(fd, asSockaddr(address), sizeof address) != 0 || ::listen(fd, 1) != 0) {
        const std::string error = std::strerror(errno);
        ::close(fd);
        return "air socket " + path + ": " + error;
    }
    listener_ = fd;
    return {};
}

void AirSocket::onReadable(std::vector<AirFrame>& frames) {
    if (peer_ < 0) {
        peer_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        return;
    }
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(peer_, buffer, sizeof buffer);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
        dropPeer();
        return;
    }
    if (n > 0) reader_.feed(buffer, static_cast<std::size_t>(n), frames);
}

void AirSocket::transmit(const AirFrame& frame) {
    if (peer_ < 0) return;
    const Bytes bytes = encodeAirFrame(frame);
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    flush();
}

void AirSocket::flush() {
    while (peer_ >= 0 && !pending_.empty()) {
        const ssize_t n = ::send(peer_, pending_.data(), pending_.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR) dropPeer();
            return;
        }
        pending_.erase(pending_.begin(), pending_.begin() + n);
    }
}

void AirSocket::dropPeer() {
    if (peer_ >= 0) ::close(peer_);
    peer_ = -1;
    pending_.clear();
    reader_ = {};
    // A connecting side that lost its peer listens from now on, so the other can come back.
    if (listener_ < 0 && !path_.empty()) open(path_);
}

} // namespace modara_sim
