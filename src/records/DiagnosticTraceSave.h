#pragma once

#include <filesystem>

namespace orvane {

class Clock;
class Prompter;
class WireTraceRing;

// Help → Save diagnostic trace...: asks where, then writes what the ring
// holds, so that a maintainer can replay the modem's side on the simulator.
class DiagnosticTraceSave {
public:
    DiagnosticTraceSave(const WireTraceRing& ring, Prompter& prompter, const Clock& clock,
                        std::filesystem::path folder);

    void mnuHelpSaveTraceClick();

private:
    const WireTraceRing& ring_;
    Prompter& prompter_;
    const Clock& clock_;
    std::filesystem::path folder_;
};

} // namespace orvane
