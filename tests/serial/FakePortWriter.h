#pragma once

#include "serial/PortWriter.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace orvane::testing {

// A port that records what it is given. It can hold a write until released,
// take only part of each write, fail, hold the line, and report bytes still
// pending in the driver. `log` interleaves writes ("W" + bytes) and
// queue-empty notifications ("E") in the order they happened.
class FakePortWriter final : public PortWriter {
public:
    Outcome write(std::span<const std::uint8_t> bytes) override;
    int pendingOutput() override;
    bool sendingAllowed() override;

    void noteQueueEmpty();
    std::vector<std::string> log() const;
    std::vector<std::uint8_t> written() const;
    int writeCalls() const;
    int queueEmpties() const;

    // The next write blocks until release(); waitUntilBlocked() returns once it is.
    void holdNextWrite();
    bool waitUntilBlocked();
    void release();

    void setMaxPerWrite(std::size_t n);
    void setFailing(bool failing);
    void setPending(int n);
    void setSendingAllowed(bool allowed);

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::vector<std::string> log_;
    std::vector<std::uint8_t> written_;
    int writeCalls_ = 0;
    int queueEmpties_ = 0;
    bool holdNext_ = false;
    bool blocked_ = false;
    std::size_t maxPerWrite_ = SIZE_MAX;
    bool failing_ = false;
    int pending_ = 0;
    bool sendingAllowed_ = true;
};

} // namespace orvane::testing
