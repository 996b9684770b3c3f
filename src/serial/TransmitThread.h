#pragma once

#include "platform/WaitClock.h"
#include "serial/ThreadControl.h"
#include "serial/WireTap.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

namespace orvane {

class LineLossListener;
class PortWriter;

// The one queue of bytes for the modem. The thread writes it to the port in
// chunks of at most ChunkSize bytes, in order, and calls `onQueueEmpty` each
// time it finds the queue empty: at once after the write that empties it, and
// at least every 200 ms while idle, unless holdIdleReports() said that nobody
// has anything to send. The callback runs on the transmit thread and must not
// block.
//
// A write is complete once the driver is down to its last kLowWater bytes,
// not when the driver has taken them: the paced senders wait for an empty
// queue, and on a real line a byte spends about a millisecond in the driver.
// Nor does it wait for the driver to empty: the next chunk, or the report that
// brings one, is due while the line still has a character or two to send, so
// the line does not fall idle between chunks. Those one or two characters are
// all that Panic and Forced OVER find ahead of them beyond the chunk under way.
//
// The port is written without holding the transmit lock, so Append, Clear and
// Length never wait for the line. When the port reports that its device is
// gone the thread stops touching it, keeps what is queued and tells the
// listener; usePort() hands it the reopened port.
class TransmitThread {
public:
    static constexpr auto kIdleWake = std::chrono::milliseconds(200);
    static constexpr int kLowWater = 2;

    // The idle reports and the waits for the line are timed on `clock`.
    TransmitThread(PortWriter& port, std::function<void()> onQueueEmpty,
                   WaitClock& clock = WaitClock::steady());
    ~TransmitThread();
    TransmitThread(const TransmitThread&) = delete;
    TransmitThread& operator=(const TransmitThread&) = delete;

    void append(std::span<const std::uint8_t> bytes);
    void append(std::string_view bytes);
    // The second buffer, filled by send-text in PSK31 mode; never written.
    void appendToAux(std::span<const std::uint8_t> bytes);
    // Drops what has not been handed to the port yet.
    void clear();
    // The larger of what we still hold and what the driver has not sent.
    std::size_t length();
    // The same for the paced senders: a driver down to its low-water mark
    // counts as empty, since the next bytes follow its last ones without a gap.
    std::size_t backlog();
    std::size_t auxLength() const;
    void setChunkSize(std::size_t n);

    // Nobody has anything waiting to be sent: while the queue stays empty the
    // thread sleeps instead of reporting every 200 ms. The next append (or
    // wantIdleReports) brings the reports back.
    void holdIdleReports();
    // Something may be waiting to be sent again: a report comes at once.
    void wantIdleReports() { signalWake(); }
    bool idleReportsHeld() {
        std::lock_guard guard(wakeLock_);
        return idleReportsHeld_;
    }
    // Shows every chunk the port took to `tap` (none: nullptr).
    void setWireTap(WireTap* tap) { tap_.store(tap); }

    // Parks the thread (the firmware loader then writes the port itself);
    // true once it is parked, false if it did not park within `limit`.
    bool suspend(std::chrono::milliseconds limit = std::chrono::seconds(2));
    void resume();
    // Ends the thread and waits for it.
    void stop();

    // Told (once per port) when the port's device is gone.
    void setLineLossListener(LineLossListener* listener) { lossListener_ = listener; }
    bool lineLost() const { return lost_.load(); }
    // Writes to `port` from now on (nullptr: to nothing, holding the queue);
    // what is queued stays and goes to the new port.
    void usePort(PortWriter* port);

private:
    void run();
    bool waitForWake();
    void writeOneChunk(PortWriter& port);
    void waitUntilDriverLow(PortWriter& port);
    std::size_t held() const;
    int driverPending();
    void markLost();
    void signalWake();
    bool bytesQueued();

    std::function<void()> onQueueEmpty_;
    WaitClock& clock_;

    std::mutex portLock_; // the port pointer; changed only while the thread is parked
    PortWriter* port_;
    std::atomic<bool> lost_{false};
    std::atomic<LineLossListener*> lossListener_{nullptr};

    mutable std::mutex txLock_; // the transmit lock: TxBuffer, the chunk in flight, ChunkSize
    std::deque<std::uint8_t> txBuffer_; // gives up its front in constant time per byte
    std::size_t inFlight_ = 0;          // bytes at the front taken for the write under way
    bool clearedDuringWrite_ = false;
    std::size_t chunkSize_ = 1;

    mutable std::mutex auxLock_;
    std::vector<std::uint8_t> txAuxBuffer_;

    std::mutex wakeLock_;
    std::condition_variable wakeUp_;
    bool wakeSignalled_ = false;
    bool idleReportsHeld_ = false; // cleared by every wake signal

    std::atomic<WireTap*> tap_{nullptr};

    ThreadControl control_{clock_};
    std::thread thread_;
};

} // namespace orvane
