#pragma once

#include <optional>
#include <string>

namespace orvane {

// What the port session asks of the console around it.
class PortSessionHooks {
public:
    virtual ~PortSessionHooks() = default;
    // Asks the operator for another port (the port dialog), saying why when
    // `reason` is not empty; nothing on Cancel.
    virtual std::optional<int> choosePort(const std::string& reason) = 0;
    // The port was changed by the operator: the new one is offered for saving.
    virtual void portChanged() = 0;
    // A fresh port: the host-side link state has no link.
    virtual void resetLinkState() = 0;
    virtual void hideMainWindow() = 0;
};

} // namespace orvane
