#pragma once

#include "platform/FileActivity.h"

namespace orvane {

class ModemLine;
struct Settings;
struct TerminalModeState;

// While the modem idles in sync (either sync-idle setting on), a line the
// operator cuts short still ends with the end-of-line sequence, so that the
// other station's printer moves on.
class QueuedEndOfLine final : public SyncIdleEndOfLine {
public:
    QueuedEndOfLine(const Settings& settings, const TerminalModeState& terminal, ModemLine& line)
        : settings_(settings), terminal_(terminal), line_(line) {}

    void queueEndOfLineIfSyncIdle() override;

private:
    const Settings& settings_;
    const TerminalModeState& terminal_;
    ModemLine& line_;
};

} // namespace orvane
