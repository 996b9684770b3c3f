#pragma once

#include <mutex>

namespace orvane {

// How much of the transmit pane's first line has gone to the modem
// (SentCount), with the transmit-pane lock. The pump moves the count as it
// sends; the operations that empty the pane or drop a transfer (Clear TX,
// the clear key, the broadcast end key, the panic reset, the transfer abort,
// Stop disk save/send) take the lock around their own few assignments or
// their one command send. The pump itself does not take it.
//
// Every holder runs on the user-interface thread, and a holder that keeps
// the interface alive (a command send) may see another handler take the lock
// again, so it is recursive: one thread never blocks itself.
class TransmitSendState {
public:
    int sentCount() const { return sentCount_; }
    void setSentCount(int count) { sentCount_ = count; }

    [[nodiscard]] std::unique_lock<std::recursive_mutex> lockPane() {
        return std::unique_lock(paneLock_);
    }

    // The pane was emptied: nothing in it has been sent. Text typed or pasted
    // next starts from its first character.
    void paneEmptied() {
        const auto held = lockPane();
        sentCount_ = 0;
    }

private:
    int sentCount_ = 0;
    std::recursive_mutex paneLock_;
};

} // namespace orvane
