#include "operations/PumpDecision.h"

namespace orvane {
namespace {

bool isArq(OperatingMode mode) {
    return mode == OperatingMode::Quoral || mode == OperatingMode::Amtor ||
           mode == OperatingMode::PMode;
}

// WORD entry: the word under way is ready once a space inside the line is
// followed by another character, i.e. the next word has begun.
bool wordReady(std::string_view line, int sent) {
    const std::size_t space = line.find(' ', static_cast<std::size_t>(sent));
    return space != std::string_view::npos && space + 1 < line.size();
}

bool ready(const PumpView& v) {
    switch (v.entry) {
    case TextEntryMode::Char: return true;
    case TextEntryMode::Word: return v.completedLine || wordReady(v.firstLine, v.sentCount);
    case TextEntryMode::Line: return v.completedLine;
    }
    return false;
}

void decideTyped(const PumpView& v, std::string_view endOfLine, PumpAction& a) {
    const int length = static_cast<int>(v.firstLine.size());
    if (length == 0) a.sentCount = 0;
    if (length > v.sentCount) {
        const std::string_view unsent = v.firstLine.substr(static_cast<std::size_t>(v.sentCount));
        if (v.mode == OperatingMode::Quoral && v.completedLine) {
            // A finished Quoral line leaves whole, and only over a link.
            if (v.linkUp) {
                a.text = std::string(unsent);
                a.sentCount = length;
            }
        } else if (ready(v)) {
            if (!isArq(v.mode) || v.linkUp) {
                a.text = std::string(unsent.substr(0, 1));
                a.sentCount = v.sentCount + 1;
            }
        } else if (isFsk(v.mode) && !v.txActive && v.sentCount == 0) {
            a.fskIdle = true;
        }
    } else if (v.completedLine) {
        a.text = std::string(endOfLine);
        a.finishLine = true;
        a.sentCount = 0;
    }
}

} // namespace

int echoCeiling(OperatingMode mode) {
    switch (mode) {
    case OperatingMode::Quoral: return 500;
    case OperatingMode::PMode: return 50;
    case OperatingMode::Amtor:
    case OperatingMode::Baudot:
    case OperatingMode::Ascii: return 3;
    default: return -1; // broadcasts and PSK31: no ceiling
    }
}

PumpAction decidePumpPass(const PumpView& v, std::string_view endOfLine) {
    using Step = PumpAction::Step;
    PumpAction a;
    a.sentCount = v.sentCount;
    if (v.binaryHold || v.draining) {
        a.step = Step::Drain;
        return a;
    }
    const int ceiling = echoCeiling(v.mode);
    if (ceiling >= 0 && v.echoPending > ceiling) {
        a.step = Step::Throttled;
        return a;
    }
    if (v.binaryDataPhase) {
        a.step = Step::BinaryPass;
        return a;
    }
    if (v.textFileActive) {
        a.step = Step::TextFilePass;
        return a;
    }
    if (v.flowHeld) {
        a.step = Step::FlowHeld;
        return a;
    }
    const bool quoral = v.mode == OperatingMode::Quoral;
    a.writeLimit = quoral ? 10 : 1;
    if (v.queued > (quoral ? 2u : 1u)) {
        a.step = Step::QueueBusy;
        return a;
    }
    a.step = Step::Typed;
    if (v.txEnabled) decideTyped(v, endOfLine, a);
    return a;
}

} // namespace orvane
