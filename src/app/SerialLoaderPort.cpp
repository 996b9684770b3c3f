#include "app/SerialLoaderPort.h"

#include "serial/ModemPort.h"
#include "serial/PortReaderThread.h"
#include "serial/RoutingFlags.h"
#include "serial/RoutingThread.h"
#include "serial/TransmitThread.h"
#include "session/ModemLine.h"
#include "session/PortSession.h"

#include <poll.h>

#include <chrono>

namespace orvane {
namespace {
// Asking a thread to suspend with no time to park only says whether it has.
constexpr std::chrono::milliseconds kNoWait{0};
} // namespace

ModemPort* SerialLoaderPort::port() const {
    return p_.session.port();
}

void SerialLoaderPort::suspendSerialThreads() {
    if (!guard_) guard_ = std::make_unique<LoaderInputGuard>(p_.mainWindow, p_.panel);
    serialThreadsParked();
}

bool SerialLoaderPort::serialThreadsParked() {
    PortReaderThread* reader = p_.session.reader();
    TransmitThread* transmit = p_.line.transmitQueue();
    const bool readerParked = !reader || reader->suspend(kNoWait);
    const bool transmitParked = !transmit || transmit->suspend(kNoWait);
    const bool routingParked = p_.routingThread.suspend(kNoWait);
    return readerParked && transmitParked && routingParked;
}

void SerialLoaderPort::clearRoutingPaused() {
    p_.routing.RoutingPaused = false;
}

std::optional<std::size_t> SerialLoaderPort::tryWrite(std::span<const std::uint8_t> bytes) {
    ModemPort* serial = port();
    if (!serial) return std::nullopt;
    // The port's own write waits a while for a full line; a full line is
    // left to the next try instead.
    pollfd writable{serial->fd(), POLLOUT, 0};
    if (::poll(&writable, 1, 0) == 0) return 0;
    const PortWriter::Outcome outcome = serial->write(bytes);
    if (outcome.failed) return std::nullopt;
    return outcome.written;
}

bool SerialLoaderPort::allSent() {
    ModemPort* serial = port();
    return serial && serial->pendingOutput() <= 0;
}

std::optional<std::uint8_t> SerialLoaderPort::tryRead() {
    ModemPort* serial = port();
    std::uint8_t byte = 0;
    if (!serial || serial->read({&byte, 1}) != 1) return std::nullopt;
    return byte;
}

bool SerialLoaderPort::setLineRate(int bitsPerSecond) {
    ModemPort* serial = port();
    return serial && serial->configureLine(bitsPerSecond);
}

void SerialLoaderPort::setRts(bool on) {
    p_.session.setRts(on);
}

void SerialLoaderPort::setDtr(bool on) {
    p_.session.setDtr(on);
}

void SerialLoaderPort::close() {
    p_.session.close();
}

} // namespace orvane
