#include "serial/SerialPort.h"

#include "serial/LineErrors.h"
#include "serial/LineLoss.h"
#include "serial/PortOpenError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace orvane {

namespace {

// How long one write waits for the line to take bytes before it hands back
// what it managed; the transmit thread simply tries again.
constexpr int kWriteWaitMs = 200;

// Ioctls a pseudo-terminal (or a driver without modem lines) does not know.
bool unsupported(int err) {
    return err == ENOTTY || err == EINVAL || err == ENOSYS;
}

speed_t speedFor(int baud) {
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
    }
}

PortOpening failed(std::string message) {
    return {nullptr, std::move(message)};
}

// Where a chain of links ends, even when the end is gone: the operator wants
// to hear which device is missing, not which link.
std::filesystem::path linkTarget(std::filesystem::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 16 && std::filesystem::is_symlink(path, ec); ++hops) {
        const auto target = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.lexically_normal();
}

} // namespace

PortOpening SerialPort::open(const std::filesystem::path& device) {
    char resolved[PATH_MAX];
    if (!::realpath(device.c_str(), resolved)) {
        const int err = errno;
        return failed(portOpenErrorText(linkTarget(device).string(), err));
    }
    const std::string path = resolved;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failed(portOpenErrorText(path, errno));

    // The advisory lock keeps out our own kind (and root, whom TIOCEXCL does
    // not stop); TIOCEXCL keeps out every other program that opens the tty.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        const int err = errno;
        ::close(fd);
        return failed(portOpenErrorText(path, err));
    }
    std::unique_ptr<SerialPort> port(new SerialPort(fd, path));
    if (!port->configureLine()) return failed(portOpenErrorText(path, errno));
    return {std::move(port), {}};
}

SerialPort::SerialPort(int fd, std::string devicePath)
    : fd_(fd), devicePath_(std::move(devicePath)) {}

SerialPort::~SerialPort() {
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_); // releases the advisory lock with it
}

bool SerialPort::configureLine(int baud) {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    const speed_t speed = speedFor(baud);
    if (speed == B0) {
        errno = EINVAL;
        return false;
    }
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return false;
    baud_ = baud;
    return true;
}

long SerialPort::read(std::span<std::uint8_t> bytes) {
    const ssize_t n = ::read(fd_, bytes.data(), bytes.size());
    if (n > 0 && tap_)
        tap_->record(WireDirection::FromModem, bytes.first(static_cast<std::size_t>(n)));
    if (n >= 0) return static_cast<long>(n);
    return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

bool SerialPort::changeModemLine(ModemLine line, bool on) {
    int bits = line == kRts ? TIOCM_RTS : TIOCM_DTR;
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return true;
    return unsupported(errno);
}

bool SerialPort::ctsOn() {
    int bits = 0;
    if (::ioctl(fd_, TIOCMGET, &bits) != 0) return unsupported(errno);
    return (bits & TIOCM_CTS) != 0;
}

std::uint32_t SerialPort::takeLineErrors() {
    serial_icounter_struct now{};
    if (::ioctl(fd_, TIOCGICOUNT, &now) != 0) return 0; // no counters: no line errors
    std::lock_guard guard(countersLock_);
    std::uint32_t mask = 0;
    if (countersKnown_) {
        if (now.frame != frame_) mask |= line_error::kFraming;
        if (now.overrun != overrun_) mask |= line_error::kOverrun;
        if (now.parity != parity_) mask |= line_error::kParity;
        if (now.brk != brk_) mask |= line_error::kBreak;
        if (now.buf_overrun != bufOverrun_) mask |= line_error::kRxBufferOverflow;
    }
    countersKnown_ = true;
    frame_ = now.frame;
    overrun_ = now.overrun;
    parity_ = now.parity;
    brk_ = now.brk;
    bufOverrun_ = now.buf_overrun;
    return mask;
}

LineStatus SerialPort::lineStatus() {
    LineStatus status;
    status.errorMask = takeLineErrors();
    if (::ioctl(fd_, FIONREAD, &status.rxPending) != 0) status.rxPending = 0;
    if (::ioctl(fd_, TIOCOUTQ, &status.txPending) != 0) status.txPending = 0;
    return status;
}

bool SerialPort::sendImmediate(std::uint8_t byte) {
    const std::span<const std::uint8_t> one(&byte, 1);
    return write(one).written == 1;
}

PortWriter::Outcome SerialPort::write(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return {};
    pollfd writable{fd_, POLLOUT, 0};
    const int ready = ::poll(&writable, 1, kWriteWaitMs);
    if (ready < 0) return {0, errno != EINTR};
    if (ready == 0) return {};
    // A hung-up line: the adapter was unplugged or the other end closed.
    if (writable.revents & (POLLERR | POLLHUP | POLLNVAL)) return {0, true, true};
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n > 0 && tap_)
        tap_->record(WireDirection::ToModem, bytes.first(static_cast<std::size_t>(n)));
    if (n >= 0) return {static_cast<std::size_t>(n), false};
    if (errno == EAGAIN || errno == EINTR) return {};
    return {0, true, isDeviceLoss(errno)};
}

std::chrono::microseconds SerialPort::timeToSend(int bytes) const {
    return std::chrono::microseconds(static_cast<long long>(bytes) * 10'000'000 / baud_);
}

int SerialPort::pendingOutput() {
    int pending = 0;
    return ::ioctl(fd_, TIOCOUTQ, &pending) == 0 ? pending : 0;
}

bool SerialPort::sendingAllowed() {
    // Our line has no flow control; a line set up with hardware handshake
    // sends only while CTS is on.
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return true;
    return (tio.c_cflag & CRTSCTS) == 0 || ctsOn();
}

} // namespace orvane
