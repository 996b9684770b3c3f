#include "app/loader/SerialLoaderPort.h"

#include "app/PortSession.h"
#include "platform/Clock.h"
#include "serial/DisplayThread.h"
#include "serial/ReadCommThread.h"
#include "serial/RoutingFlags.h"
#include "serial/SerialPort.h"
#include "serial/TransmitThread.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace orvane {
namespace {
constexpr int kBitsPerByte = 10; // start, eight data bits, stop
}

SerialPort* SerialLoaderPort::port() const { return p_.session.port(); }

bool SerialLoaderPort::suspendSerialThreads() {
    if (!guard_) guard_ = std::make_unique<LoaderInputGuard>(p_.mainWindow, p_.panel);
    ReadCommThread* reader = p_.session.reader();
    TransmitThread* transmit = p_.session.transmitQueue();
    const bool readerParked = !reader || reader->suspend();
    const bool transmitParked = !transmit || transmit->suspend();
    return readerParked && transmitParked && p_.display.suspend();
}

void SerialLoaderPort::clearRoutingPaused() { p_.routing.RoutingPaused = false; }

bool SerialLoaderPort::waitForPort(QSocketNotifier::Type direction, int limitMs,
                                   const std::function<bool()>& ready) {
    if (ready()) return true;
    SerialPort* serial = port();
    if (!serial) return false;
    QEventLoop loop;
    QSocketNotifier notifier(serial->fd(), direction);
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    bool expired = false;
    std::unique_ptr<Timer> deadline = p_.clock.createTimer("LoaderDeadline", std::max(1, limitMs));
    deadline->setHandler([&] {
        expired = true;
        loop.quit();
    });
    deadline->start();
    while (!ready()) {
        if (expired) return false;
        loop.exec();
    }
    return true;
}

void SerialLoaderPort::waitMs(int ms) {
    QEventLoop loop;
    std::unique_ptr<Timer> timer = p_.clock.createTimer("LoaderPause", std::max(1, ms));
    timer->setHandler([&] { loop.quit(); });
    timer->start();
    loop.exec();
}

bool SerialLoaderPort::write(std::span<const std::uint8_t> bytes, int limitMs) {
    SerialPort* serial = port();
    if (!serial) return false;
    bool failed = false;
    const bool done = waitForPort(QSocketNotifier::Write, limitMs, [&] {
        if (failed || bytes.empty()) return true;
        const PortWriter::Outcome outcome = serial->write(bytes);
        failed = outcome.failed;
        bytes = bytes.subspan(outcome.written);
        return failed || bytes.empty();
    });
    return done && !failed;
}

bool SerialLoaderPort::waitUntilSent(int limitMs) {
    SerialPort* serial = port();
    if (!serial) return false;
    const std::int64_t deadline = p_.clock.tickMs() + limitMs;
    // No descriptor event says "sent": sleep for as long as the bytes still
    // held take on the line, then look again.
    for (int pending = serial->pendingOutput(); pending > 0; pending = serial->pendingOutput()) {
        if (p_.clock.tickMs() >= deadline) return false;
        waitMs(std::max(1, pending * kBitsPerByte * 1000 / lineRate_));
    }
    return true;
}

std::optional<std::uint8_t> SerialLoaderPort::readByte(int limitMs) {
    SerialPort* serial = port();
    if (!serial) return std::nullopt;
    std::uint8_t byte = 0;
    bool got = false;
    const bool ready = waitForPort(QSocketNotifier::Read, limitMs, [&] {
        got = serial->read({&byte, 1}) == 1;
        return got;
    });
    if (!ready) return std::nullopt;
    return byte;
}

void SerialLoaderPort::pause(int ms) { waitMs(ms); }

void SerialLoaderPort::processEvents() { QCoreApplication::processEvents(); }

bool SerialLoaderPort::setLineRate(int bitsPerSecond) {
    SerialPort* serial = port();
    if (!serial || !serial->configureLine(bitsPerSecond)) return false;
    lineRate_ = bitsPerSecond;
    return true;
}

void SerialLoaderPort::setRts(bool on) { p_.session.setRts(on); }

void SerialLoaderPort::setDtr(bool on) { p_.session.setDtr(on); }

void SerialLoaderPort::close() { p_.session.close(); }

} // namespace orvane
