#include "serial/TransmitThread.h"

#include "serial/PortWriter.h"

#include <algorithm>

namespace orvane {

TransmitThread::TransmitThread(PortWriter& port, std::function<void()> onQueueEmpty,
                               std::chrono::milliseconds idleWake)
    : port_(port), onQueueEmpty_(std::move(onQueueEmpty)), idleWake_(idleWake) {
    control_.setWake([this] {
        std::lock_guard guard(wakeLock_);
        wakeSignalled_ = true;
        wakeUp_.notify_one();
    });
    thread_ = std::thread([this] { run(); });
}

TransmitThread::~TransmitThread() {
    stop();
}

void TransmitThread::append(std::span<const std::uint8_t> bytes) {
    {
        std::lock_guard guard(txLock_);
        txBuffer_.insert(txBuffer_.end(), bytes.begin(), bytes.end());
    }
    std::lock_guard guard(wakeLock_);
    wakeSignalled_ = true;
    wakeUp_.notify_one();
}

void TransmitThread::append(std::string_view bytes) {
    append(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void TransmitThread::appendToAux(std::span<const std::uint8_t> bytes) {
    std::lock_guard guard(auxLock_);
    txAuxBuffer_.insert(txAuxBuffer_.end(), bytes.begin(), bytes.end());
}

void TransmitThread::clear() {
    std::lock_guard guard(txLock_);
    txBuffer_.clear();
    clearedDuringWrite_ = inFlight_ > 0;
}

std::size_t TransmitThread::length() {
    std::size_t held;
    {
        std::lock_guard guard(txLock_);
        held = txBuffer_.size() + inFlight_;
    }
    return std::max(held, static_cast<std::size_t>(std::max(port_.pendingOutput(), 0)));
}

std::size_t TransmitThread::auxLength() const {
    std::lock_guard guard(auxLock_);
    return txAuxBuffer_.size();
}

void TransmitThread::setChunkSize(std::size_t n) {
    std::lock_guard guard(txLock_);
    chunkSize_ = std::max<std::size_t>(n, 1);
}

bool TransmitThread::suspend(std::chrono::milliseconds limit) {
    control_.suspend();
    return control_.waitUntilParked(limit);
}

void TransmitThread::resume() {
    control_.resume();
}

void TransmitThread::stop() {
    if (!thread_.joinable()) return;
    control_.stop();
    thread_.join();
}

bool TransmitThread::waitForWake() {
    std::unique_lock guard(wakeLock_);
    wakeUp_.wait_for(guard, idleWake_, [this] { return wakeSignalled_; });
    wakeSignalled_ = false;
    return control_.mayContinue();
}

void TransmitThread::run() {
    while (control_.checkpoint()) {
        if (!waitForWake() || !port_.sendingAllowed()) continue;
        bool pending;
        {
            std::lock_guard guard(txLock_);
            pending = !txBuffer_.empty();
        }
        if (pending)
            writeOneChunk();
        else if (onQueueEmpty_)
            onQueueEmpty_();
    }
    control_.markEnded();
}

void TransmitThread::writeOneChunk() {
    std::vector<std::uint8_t> chunk;
    {
        std::lock_guard guard(txLock_);
        const auto n = std::min(txBuffer_.size(), chunkSize_);
        chunk.assign(txBuffer_.begin(), txBuffer_.begin() + static_cast<std::ptrdiff_t>(n));
        txBuffer_.erase(txBuffer_.begin(), txBuffer_.begin() + static_cast<std::ptrdiff_t>(n));
        inFlight_ = n;
        clearedDuringWrite_ = false;
    }
    const PortWriter::Outcome outcome = port_.write(chunk);
    const std::size_t written = std::min(outcome.written, chunk.size());
    if (WireTap* tap = tap_.load(); tap && written > 0)
        tap->record(WireDirection::ToModem, std::span(chunk).first(written));
    bool more;
    {
        std::lock_guard guard(txLock_);
        // What the port did not take goes back to the front, unless the
        // queue was cleared meanwhile.
        if (!clearedDuringWrite_)
            txBuffer_.insert(txBuffer_.begin(),
                             chunk.begin() + static_cast<std::ptrdiff_t>(written), chunk.end());
        inFlight_ = 0;
        more = !txBuffer_.empty();
    }
    if (!more) {
        if (onQueueEmpty_) onQueueEmpty_();
        return;
    }
    // A port that fails outright is tried again at the next idle wake-up, not
    // in a tight loop.
    if (!outcome.failed) {
        std::lock_guard guard(wakeLock_);
        wakeSignalled_ = true;
    }
}

} // namespace orvane
