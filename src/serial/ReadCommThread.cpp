#include "serial/ReadCommThread.h"

#include "serial/LineErrors.h"
#include "serial/RxQueue.h"
#include "serial/SerialPort.h"

#include <cerrno>
#include <poll.h>

namespace orvane {

namespace {
// Line errors raise no poll event of their own: the idle wait is bounded so
// that the status query sees them soon.
constexpr int kIdlePollMs = 200;
constexpr auto kRetryPause = std::chrono::milliseconds(1);
} // namespace

ReadCommThread::ReadCommThread(SerialPort& port, RxQueue& queue, const XonXoffFilter& filter,
                               LineErrorHandler onLineError)
    : port_(port), queue_(queue), decoder_(filter), onLineError_(std::move(onLineError)) {
    control_.setWake([this] { wake_.signal(); });
    queue_.acceptWaiters(); // a reader stopped before us left the queue letting go
    thread_ = std::thread([this] { run(); });
}

ReadCommThread::~ReadCommThread() {
    stop();
}

bool ReadCommThread::suspend(std::chrono::milliseconds limit) {
    control_.suspend();
    queue_.releaseWaiters();
    return control_.waitUntilParked(limit);
}

void ReadCommThread::resume() {
    queue_.acceptWaiters();
    control_.resume();
}

void ReadCommThread::stop() {
    if (!thread_.joinable()) return;
    control_.stop();
    queue_.releaseWaiters();
    thread_.join();
}

void ReadCommThread::run() {
    while (control_.checkpoint()) {
        if (!storePending()) continue;
        pollfd fds[2] = {{port_.fd(), POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
        const int ready = ::poll(fds, 2, kIdlePollMs);
        if (ready < 0) {
            if (errno != EINTR) std::this_thread::sleep_for(kRetryPause);
            continue;
        }
        if (fds[1].revents) wake_.drain();
        if (!control_.mayContinue()) continue;
        readAndDecode(fds[0].revents);
    }
    control_.markEnded();
}

void ReadCommThread::readAndDecode(short portEvents) {
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
        if (n < 0) port_.lineStatus();
    }
    if (status.errorMask != 0) {
        if (onLineError_) onLineError_(lineErrorText(status.errorMask));
        return;
    }
    // A hung-up line or a failed read keeps poll() returning at once.
    if (portEvents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))
        std::this_thread::sleep_for(kRetryPause);
}

bool ReadCommThread::storePending() {
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
