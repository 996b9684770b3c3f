#include "modes/ModeSetupRunner.h"

#include "modes/CommonSetup.h"
#include "modes/ModeSetups.h"
#include "sequence/SequenceRunner.h"

#include <utility>

namespace orvane {

ModeContext withSink(const ModeContext& context, ModeCommandSink& sink) {
    return ModeContext{context.settings,        context.link,  context.terminal,
                       context.surface,         sink,          context.xonXoffFilter,
                       context.hardwareVersion, context.psk31, context.messageDirectory,
                       context.crcMask};
}

bool ModeSetupRunner::isRunning() const {
    return sequences_.hasSequence();
}

Task<> ModeSetupRunner::built(const std::function<void(ModeContext&)>& build) {
    CommandSteps steps;
    ModeContext building = withSink(context_, steps);
    build(building);
    return play(std::move(steps), line_, sequences_);
}

Task<> ModeSetupRunner::commonSetup() {
    return built([](ModeContext& context) { orvane::commonSetup(context); });
}

void ModeSetupRunner::runCommonSetup() {
    sequences_.start("common set-up", [this] { return commonSetup(); });
}

void ModeSetupRunner::runSetup(OperatingMode mode) {
    runAsOneSequence("mode set-up", [mode](ModeContext& context) { setupForMode(context, mode); });
}

void ModeSetupRunner::runAsOneSequence(std::string name, std::function<void(ModeContext&)> build) {
    sequences_.start(std::move(name), [this, build = std::move(build)] { return built(build); });
}

void ModeSetupRunner::whenIdle(std::function<void()> action) {
    sequences_.whenIdle(std::move(action));
}

} // namespace orvane
