#pragma once

#include <mutex>
#include <string_view>

namespace orvane {

// Counts 'z' and 'Z' in what the pump sends: three in a row end the link.
class ZRun {
public:
    // True when this text completes a run of three.
    bool feed(std::string_view text) {
        for (const char c : text) {
            if (c == 'z' || c == 'Z')
                ++count_;
            else if (count_ < 3)
                count_ = 0;
        }
        if (count_ < 3) return false;
        count_ = 0;
        return true;
    }

private:
    int count_ = 0; // ZRunCount
};

// How much of the transmit pane's first line has gone to the modem
// (SentCount) and the Z run in what went, with the transmit-pane lock. The pump moves the count as
// it sends; the operations that empty the pane or drop a transfer (Clear TX, the clear key, the
// broadcast end key, the panic reset, the transfer abort, Stop disk save/send) take the lock around
// their own few assignments or their one command send. The pump itself does not take it.
//
// Every holder runs on the user-interface thread, and a holder that keeps
// the interface alive (a command send) may see another handler take the lock
// again, so it is recursive: one thread never blocks itself.
class TransmitSendState {
public:
    int sentCount() const { return sentCount_; }
    void setSentCount(int count) { sentCount_ = count; }
    ZRun& zRun() { return zRun_; }

    [[nodiscard]] std::unique_lock<std::recursive_mutex> lockPane() {
        return std::unique_lock(paneLock_);
    }

    // The pane was emptied: nothing in it has been sent. Text typed or pasted
    // next starts from its first character.
    void paneEmptied() {
        const auto held = lockPane();
        sentCount_ = 0;
    }
    // Back to nothing sent and no Z counted (the panic reset, the clear key).
    void reset() {
        const auto held = lockPane();
        sentCount_ = 0;
        zRun_ = ZRun{};
    }

private:
    int sentCount_ = 0;
    ZRun zRun_;
    std::recursive_mutex paneLock_;
};

} // namespace orvane
