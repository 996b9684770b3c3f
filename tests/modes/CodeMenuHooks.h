#pragma once

#include "modes/CodeMenu.h"
#include "protocol/link/SupervisionHooks.h"

namespace orvane::testing {

// The supervision timers' hooks as the console wires them: a hardware reset
// recovers through the Code menu.
class CodeMenuHooks final : public SupervisionHooks {
public:
    explicit CodeMenuHooks(CodeMenu& menu) : menu_(menu) {}
    void setDtr() override {}
    void modemSilenceShutdown() override {}
    void hardwareResetRecovery() override { menu_.hardwareResetRecovery(); }

private:
    CodeMenu& menu_;
};

} // namespace orvane::testing
