#include "session/ReceiveBridge.h"

#include "platform/UiThread.h"
#include "protocol/status/StatusDispatcher.h"
#include "serial/ReceivedCharHandler.h"
#include "session/AttachedClients.h"

namespace orvane {

ReceiveBridge::ReceiveBridge(UiThread& uiThread, StatusDispatcher& status, AttachedClients& clients,
                             ReceivedCharHandler& chars)
    : uiQueue_(uiThread.createQueue()), status_(status), clients_(clients), chars_(chars) {}

ReceiveBridge::~ReceiveBridge() = default;

void ReceiveBridge::deliverStatus(std::uint8_t code) {
    status_.dispatch(code);
}

void ReceiveBridge::deliverInBand(std::uint8_t) {
    clients_.handleInBand();
}

void ReceiveBridge::deliverReceivedChar(std::uint8_t byte) {
    chars_.handle(byte);
}

void ReceiveBridge::post(std::function<void()> burst) {
    uiQueue_->post(std::move(burst));
}

} // namespace orvane
