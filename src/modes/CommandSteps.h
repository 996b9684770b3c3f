#pragma once

#include "modes/ModeCommandSink.h"
#include "protocol/ModemCommand.h"
#include "protocol/PacedCommands.h"
#include "sequence/Task.h"

#include <variant>
#include <vector>

namespace orvane {

class SequenceRunner;

// A set-up written down before it is sent: the commands in order and the
// routing pauses between them. The set-up code writes into it as into the
// modem; play() then sends it as one sequence.
class CommandSteps final : public ModeCommandSink {
public:
    struct RoutingPause {
        int ms;
    };
    using Step = std::variant<ModemCommand, RoutingPause>;

    void send(const ModemCommand& command) override { steps_.emplace_back(command); }
    void pauseRoutingFor(int ms) override { steps_.emplace_back(RoutingPause{ms}); }
    const std::vector<Step>& steps() const { return steps_; }
    bool empty() const { return steps_.empty(); }

private:
    std::vector<Step> steps_;
};

// Sends the steps in order: each command followed by the spacing, each
// routing pause as a hold of the routing for its time.
Task<> play(CommandSteps steps, SequenceLine& line, SequenceRunner& runner);

} // namespace orvane
