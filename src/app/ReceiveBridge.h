#pragma once

#include "serial/ReceiveRouting.h"

#include <QObject>

#include <functional>

namespace orvane {

// Runs the routing's bursts on the user-interface thread, where each routed
// item goes to its handler.
class ReceiveBridge final : public QObject, public ReceiveDelivery {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void(std::uint8_t)> status;
        std::function<void(std::uint8_t)> inBand;
        std::function<void(std::uint8_t)> receivedChar;
    };

    explicit ReceiveBridge(QObject* parent = nullptr) : QObject(parent) {}
    void setHandlers(Handlers handlers) { handlers_ = std::move(handlers); }

    void deliverStatus(std::uint8_t code) override { deliver(handlers_.status, code); }
    void deliverInBand(std::uint8_t byte) override { deliver(handlers_.inBand, byte); }
    void deliverReceivedChar(std::uint8_t byte) override { deliver(handlers_.receivedChar, byte); }
    void post(std::function<void()> burst) override;

private:
    static void deliver(const std::function<void(std::uint8_t)>& handler, std::uint8_t value) {
        if (handler) handler(value);
    }
    Handlers handlers_;
};

// The binary receive, once the transfers exist; until then the bytes have
// nowhere to go.
class BinaryReceiveRelay final : public BinaryReceiveSink {
public:
    void setTarget(BinaryReceiveSink& target) { target_ = &target; }
    void writeByte(std::uint8_t byte) override {
        if (target_) target_->writeByte(byte);
    }

private:
    BinaryReceiveSink* target_ = nullptr;
};

} // namespace orvane
