#pragma once

#include "operations/PumpLine.h"

namespace orvane {

class PortSession;

// The open port's transmit queue and line, as the pump and the operations use them.
class PortPumpLine final : public PumpLine {
public:
    explicit PortPumpLine(PortSession& port) : port_(port) {}

    std::size_t pending() override;
    void setWriteLimit(std::size_t bytes) override;
    void sendText(std::string_view bytes) override;
    void sendCommand(const ModemCommand& command) override;
    void sendImmediate(std::string_view bytes) override;
    void clearQueue() override;
    void appendRaw(std::string_view bytes) override;
    // Our line never honours XOFF in the driver, so only CTS can hold it.
    bool outputHeld() override;

private:
    PortSession& port_;
};

} // namespace orvane
