#pragma once

#include "serial/ReceiveRouting.h"

#include <memory>

namespace orvane {

class AttachedClients;
class ReceivedCharHandler;
class StatusDispatcher;
class UiQueue;
class UiThread;

// Runs the routing's bursts on the user-interface thread, where each routed
// item goes to its handler: a status code to the status dispatcher, the 0x01
// of an in-band sequence to the transfers, any other byte to the
// received-character handler.
class ReceiveBridge final : public ReceiveDelivery {
public:
    ReceiveBridge(UiThread& uiThread, StatusDispatcher& status, AttachedClients& clients,
                  ReceivedCharHandler& chars);
    ~ReceiveBridge() override;

    void deliverStatus(std::uint8_t code) override;
    void deliverInBand(std::uint8_t byte) override;
    void deliverReceivedChar(std::uint8_t byte) override;
    void post(std::function<void()> burst) override;

private:
    std::unique_ptr<UiQueue> uiQueue_;
    StatusDispatcher& status_;
    AttachedClients& clients_;
    ReceivedCharHandler& chars_;
};

} // namespace orvane
