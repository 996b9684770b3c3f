#include "serial/TransmitThread.h"

#include "serial/LineLoss.h"
#include "serial/PortWriter.h"

#include <algorithm>

namespace orvane {

TransmitThread::TransmitThread(PortWriter& port, std::function<void()> onQueueEmpty,
                               WaitClock& clock)
    : onQueueEmpty_(std::move(onQueueEmpty)), clock_(clock), port_(&port) {
    control_.setWake([this] { signalWake(); });
    thread_ = std::thread([this] { run(); });
}

TransmitThread::~TransmitThread() {
    stop();
}

void TransmitThread::signalWake() {
    std::lock_guard guard(wakeLock_);
    wakeSignalled_ = true;
    idleReportsHeld_ = false;
    wakeUp_.notify_all();
}

void TransmitThread::holdIdleReports() {
    std::lock_guard guard(wakeLock_);
    idleReportsHeld_ = true;
    wakeUp_.notify_all(); // the idle wait under way becomes a wait for bytes
}

void TransmitThread::append(std::span<const std::uint8_t> bytes) {
    {
        std::lock_guard guard(txLock_);
        txBuffer_.insert(txBuffer_.end(), bytes.begin(), bytes.end());
    }
    signalWake();
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
    inFlight_ = 0;
}

std::size_t TransmitThread::held() const {
    std::lock_guard guard(txLock_);
    return txBuffer_.size();
}

int TransmitThread::driverPending() {
    std::lock_guard guard(portLock_);
    return port_ && !lost_ ? std::max(port_->pendingOutput(), 0) : 0;
}

std::size_t TransmitThread::length() {
    return std::max(held(), static_cast<std::size_t>(driverPending()));
}

std::size_t TransmitThread::backlog() {
    const int driver = driverPending();
    return std::max(held(), driver > kLowWater ? static_cast<std::size_t>(driver) : 0);
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

void TransmitThread::usePort(PortWriter* port) {
    const bool wasSuspended = control_.suspendRequested();
    control_.suspend();
    control_.waitUntilParked(std::chrono::seconds(2));
    {
        std::lock_guard guard(portLock_);
        port_ = port;
        lost_ = false;
    }
    if (!wasSuspended) control_.resume();
    signalWake();
}

bool TransmitThread::bytesQueued() {
    std::lock_guard guard(txLock_);
    return !txBuffer_.empty();
}

void TransmitThread::markLost() {
    if (lost_.exchange(true)) return;
    if (LineLossListener* listener = lossListener_.load()) listener->lineLost();
}

bool TransmitThread::waitForWake() {
    std::unique_lock guard(wakeLock_);
    const auto idleReportDue = clock_.now() + kIdleWake;
    while (!wakeSignalled_) {
        // A lost line posts nothing, so nothing is due until a new port comes;
        // with nothing to send nothing is due until bytes or a wake come. Bytes
        // a failed write left behind are due again at the idle pace, even when
        // the idle reports were held while that write was under way.
        const bool nothingDue = lost_ || (idleReportsHeld_ && !bytesQueued());
        if (clock_.waitOnce(wakeUp_, guard, nothingDue ? WaitClock::kNever : idleReportDue) ==
            std::cv_status::timeout)
            break;
    }
    wakeSignalled_ = false;
    return control_.mayContinue();
}

void TransmitThread::run() {
    nameThisThread("orvane-transmit");
    while (control_.checkpoint()) {
        if (!waitForWake()) continue;
        // The pointer changes only while we are parked at the checkpoint.
        PortWriter* port;
        {
            std::lock_guard guard(portLock_);
            port = port_;
        }
        // A lost line holds the queue and reports nothing, so that the
        // paced senders leave their text where the operator sees it.
        if (!port || lost_ || !port->sendingAllowed()) continue;
        bool pending;
        {
            std::lock_guard guard(txLock_);
            pending = !txBuffer_.empty();
        }
        if (pending)
            writeOneChunk(*port);
        else if (onQueueEmpty_)
            onQueueEmpty_();
    }
    control_.markEnded();
}

void TransmitThread::writeOneChunk(PortWriter& port) {
    std::vector<std::uint8_t> chunk;
    {
        std::lock_guard guard(txLock_);
        const auto n = std::min(txBuffer_.size(), chunkSize_);
        chunk.assign(txBuffer_.begin(), txBuffer_.begin() + static_cast<std::ptrdiff_t>(n));
        inFlight_ = n;
        clearedDuringWrite_ = false;
    }
    const PortWriter::Outcome outcome = port.write(chunk);
    const std::size_t written = std::min(outcome.written, chunk.size());
    if (WireTap* tap = tap_.load(); tap && written > 0)
        tap->record(WireDirection::ToModem, std::span(chunk).first(written));
    {
        std::lock_guard guard(txLock_);
        // What the port took leaves the front; the rest stays for the next
        // pass, unless the queue was cleared meanwhile.
        if (!clearedDuringWrite_)
            txBuffer_.erase(txBuffer_.begin(),
                            txBuffer_.begin() + static_cast<std::ptrdiff_t>(written));
        inFlight_ = 0;
    }
    if (outcome.lost) {
        markLost();
        return;
    }
    if (written > 0) waitUntilDriverLow(port);
    bool more;
    {
        std::lock_guard guard(txLock_);
        more = !txBuffer_.empty();
    }
    if (!more) {
        if (onQueueEmpty_ && control_.mayContinue()) onQueueEmpty_();
        return;
    }
    // A port that fails outright is tried again at the next idle wake-up, not
    // in a tight loop.
    if (!outcome.failed) {
        std::lock_guard guard(wakeLock_);
        wakeSignalled_ = true;
    }
}

// The driver tells nobody when it has sent its bytes; it is asked again after
// the time the line needs for what it holds above the low-water mark. A stop
// or suspension ends the wait at once.
void TransmitThread::waitUntilDriverLow(PortWriter& port) {
    for (;;) {
        const int pending = port.pendingOutput();
        if (pending <= kLowWater) return;
        std::unique_lock guard(wakeLock_);
        if (clock_.waitUntil(wakeUp_, guard, clock_.now() + port.timeToSend(pending - kLowWater),
                             [this] { return !control_.mayContinue(); }))
            return;
    }
}

} // namespace orvane
