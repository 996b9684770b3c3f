#include "modes/CommandSteps.h"

#include "sequence/SequenceRunner.h"

namespace orvane {

Task<> play(CommandSteps steps, SequenceLine& line, SequenceRunner& runner) {
    for (const CommandSteps::Step& step : steps.steps()) {
        if (const auto* command = std::get_if<ModemCommand>(&step)) {
            co_await sendPaced(*command, line, runner);
        } else {
            line.holdRouting(true);
            co_await runner.pause(std::get<CommandSteps::RoutingPause>(step).ms);
            line.holdRouting(false);
        }
    }
}

} // namespace orvane
