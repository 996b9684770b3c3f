#include "protocol/PacedCommands.h"

#include "sequence/SequenceRunner.h"

namespace orvane {

Task<> sendPaced(ModemCommand command, SequenceLine& line, SequenceRunner& runner) {
    line.write(command);
    co_await runner.pause(kCommandSpacingMs);
}

} // namespace orvane
