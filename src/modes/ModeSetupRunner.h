#pragma once

#include "modes/CommandSteps.h"
#include "modes/ModeContext.h"
#include "protocol/link/OperatingMode.h"
#include "sequence/Task.h"

#include <functional>
#include <string>

namespace orvane {

class SequenceRunner;

// Turns the set-ups into sequences. A set-up is written down when its turn
// comes (so it reads the settings and the mode as they are then) and sent as
// one sequence; anything the operator starts meanwhile waits behind it.
class ModeSetupRunner {
public:
    ModeSetupRunner(ModeContext& context, SequenceRunner& sequences, SequenceLine& line)
        : context_(context), sequences_(sequences), line_(line) {}
    ModeSetupRunner(const ModeSetupRunner&) = delete;
    ModeSetupRunner& operator=(const ModeSetupRunner&) = delete;

    ModeContext& context() { return context_; }
    SequenceRunner& sequences() { return sequences_; }
    // A set-up, an apply or another sequence runs or waits its turn.
    bool isRunning() const;

    // The start-up's common set-up, for the start-up sequence to await.
    Task<> commonSetup();
    // Queues the common set-up (the replay after the modem came back).
    void runCommonSetup();
    // Queues the set-up of a mode (the Code menu, the FAX display, the end of a transfer).
    void runSetup(OperatingMode mode);
    // Queues one sequence built by `build` into the context it is given: the
    // configuration apply, with the set-up it may include.
    void runAsOneSequence(std::string name, std::function<void(ModeContext&)> build);

    // Runs the action now, or as soon as nothing runs or waits. Only the
    // latest action waits: it supersedes an earlier one.
    void whenIdle(std::function<void()> action);

private:
    Task<> built(const std::function<void(ModeContext&)>& build);

    ModeContext& context_;
    SequenceRunner& sequences_;
    SequenceLine& line_;
};

// The context with its commands going to `sink` instead.
ModeContext withSink(const ModeContext& context, ModeCommandSink& sink);

} // namespace orvane
