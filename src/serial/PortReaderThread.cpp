#include "serial/PortReaderThread.h"

#include "serial/LineErrors.h"
#include "serial/LineLoss.h"
#include "serial/ModemPort.h"
#include "serial/RxQueue.h"

#include <cerrno>
#include <poll.h>

namespace orvane {

namespace {
// An idle line is waited on without a time-out: line errors come with the
// bytes they spoil (a framing or parity error is read as a byte, an overrun
// happens only while bytes arrive), and the status query runs at every read.
constexpr int kNoTimeout = -1;
// After a failed poll() or read() that did not lose the device.
constexpr int kRetryPauseMs = 1;
} // namespace

PortReaderThread::PortReaderThread(ModemPort& port, RxQueue& queue, XonXoffFilter& filter,
                                   LineErrorHandler onLineError, LineLossListener* lossListener,
                                   WaitClock& clock)
    : port_(port), queue_(queue), decoder_(filter), onLineError_(std::move(onLineError)),
      control_(clock), lossListener_(lossListener) {
    control_.setWake([this] { wake_.signal(); });
    queue_.acceptWaiters(); // a reader stopped before us left the queue letting go
    thread_ = std::thread([this] { run(); });
}

PortReaderThread::~PortReaderThread() {
    stop();
}

bool PortReaderThread::suspend(std::chrono::milliseconds limit) {
    control_.suspend();
    queue_.releaseWaiters();
    return control_.waitUntilParked(limit);
}

void PortReaderThread::resume() {
    queue_.acceptWaiters();
    control_.resume();
}

void PortReaderThread::stop() {
    if (!thread_.joinable()) return;
    control_.stop();
    queue_.releaseWaiters();
    thread_.join();
}

void PortReaderThread::run() {
    nameThisThread("orvane-read");
    while (control_.checkpoint()) {
        if (lost_) {
            waitForWakeOnly();
            continue;
        }
        if (!storePending()) continue;
        pollfd fds[2] = {{port_.fd(), POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
        const int ready = ::poll(fds, 2, kNoTimeout);
        if (ready < 0) {
            // poll() failing for any reason but a signal would fail again at
            // once: a short wait on the wake keeps that from becoming a spin.
            if (errno != EINTR) waitForWake(kRetryPauseMs);
            continue;
        }
        if (fds[1].revents) wake_.drain();
        if (!control_.mayContinue()) continue;
        readAndDecode(fds[0].revents);
        // What was read before the hang-up is stored first.
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) markLost();
    }
    control_.markEnded();
}

void PortReaderThread::readAndDecode(short portEvents) {
    // The status query clears the error condition before the read.
    const LineStatus status = port_.lineStatus();
    if (portEvents & POLLIN) {
        const long n = port_.read(buffer_);
        if (n > 0) {
            readPos_ = 0;
            readEnd_ = static_cast<std::size_t>(n);
            storePending();
            return;
        }
        if (n < 0) {
            if (isDeviceLoss(errno)) {
                markLost();
                return;
            }
            port_.lineStatus();
        }
    }
    if (status.errorMask != 0) {
        if (onLineError_) onLineError_(lineErrorText(status.errorMask));
        return;
    }
    // A failed read that did not lose the device: a short pause, not a spin.
    if (portEvents & POLLIN) waitForWake(kRetryPauseMs);
}

void PortReaderThread::markLost() {
    if (lost_.exchange(true)) return;
    if (lossListener_) lossListener_->lineLost();
}

// Only a stop or a suspension ends this wait.
void PortReaderThread::waitForWakeOnly() {
    waitForWake(kNoTimeout);
}

// A stop or a suspension ends this wait at once; `limitMs` bounds it (-1: none).
void PortReaderThread::waitForWake(int limitMs) {
    pollfd wake{wake_.fd(), POLLIN, 0};
    if (::poll(&wake, 1, limitMs) > 0) wake_.drain();
}

bool PortReaderThread::storePending() {
    if (heldItem_) {
        if (!queue_.enqueue(*heldItem_)) return false;
        heldItem_.reset();
    }
    while (readPos_ < readEnd_) {
        const auto item = decoder_.decode(buffer_[readPos_++]);
        if (item && !queue_.enqueue(*item)) {
            heldItem_ = item;
            return false;
        }
    }
    return true;
}

} // namespace orvane
