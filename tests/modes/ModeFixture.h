#pragma once

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/CodeMenu.h"
#include "modes/CommandSteps.h"
#include "modes/FakeModeSurface.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeContext.h"
#include "modes/ModeSetupRunner.h"
#include "modes/TerminalModeState.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkState.h"
#include "sequence/SequenceRunner.h"
#include "serial/XonXoffFilter.h"
#include "support/HexText.h"
#include "support/ManualClock.h"
#include "support/RunSequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane::testing {

// Collects the bytes sent, by the set-up code directly or by a sequence that
// plays it; onSend runs after each command.
class RecordingSink final : public ModeCommandSink, public SequenceLine {
public:
    explicit RecordingSink(const ManualClock& clock) : clock_(clock) {}
    void write(const ModemCommand& command) override { send(command); }
    void holdRouting(bool held) override {
        if (held)
            heldSince_ = clock_.tickMs();
        else
            pauses.push_back({bytes.size(), static_cast<int>(clock_.tickMs() - heldSince_)});
    }
    void send(const ModemCommand& command) override {
        EXPECT_EQ(command.sendKind(), SendKind::Command);
        commands.push_back(command);
        bytes.insert(bytes.end(), command.bytes().begin(), command.bytes().end());
        if (onSend) onSend();
    }
    void pauseRoutingFor(int ms) override { pauses.push_back({bytes.size(), ms}); }
    std::string hex() const { return toHex(bytes); }
    void clear() {
        commands.clear();
        bytes.clear();
        pauses.clear();
    }

    std::vector<ModemCommand> commands;
    std::vector<std::uint8_t> bytes;
    struct Pause {
        std::size_t afterBytes;
        int ms;
        bool operator==(const Pause&) const = default;
    };
    std::vector<Pause> pauses;
    std::function<void()> onSend;

private:
    const ManualClock& clock_;
    std::int64_t heldSince_ = 0;
};

// The Quoral set-up with default settings.
inline std::string defaultQuoralSetupHex() {
    return hexOf("80 41 80 46 80 4D 80 80 "             // SW1_OFF SW6_OFF SW13_OFF MODE_QUORAL
                 "80 63 80 04 "                         // AF_CHANNEL 4
                 "80 DB "                               // FSK_POL_NORM
                 "80 65 80 01 "                         // QUORAL_AUTOBIAS NORMAL
                 "80 61 80 1E 80 60 80 0A 80 62 80 14 " // retries: normal 30, robust 10, fail 20
                 "80 68 80 01 "                         // QUORAL_CHAT_COUNT 1
                 "80 13 80 4D 80 59 80 43 80 41 80 4C 80 4C 80 00 " // SET_MYCALL "MYCALL"
                 "80 51 80 54 80 56 80 5A " // SW1_ON ADAPTIVE_ON SW6_ON SW10_ON
                 "80 59");                  // SW9_ON
}

struct ModeFixture : ::testing::Test {
    ManualClock clock;
    SequenceRunner sequences{clock};
    Settings settings;
    LinkState link;
    TerminalModeState terminal;
    FakeModeSurface surface;
    RecordingSink sink{clock};
    XonXoffFilter xonXoff;
    ConfigChanged configChanged;
    ModeContext context{settings, link, terminal, surface, sink, xonXoff, "8004", {}, {}, {}};
    ModeSetupRunner runner{context, sequences, sink};
    CodeMenu codeMenu{runner, configChanged};

    // Lets the queued sequences play out on the test clock.
    void playQueued() { runUntilIdle(sequences, clock); }
    // An operator's command (a call, a key) as the console sends it: held
    // behind whatever runs, then spaced like any command.
    void operatorSends(const ModemCommand& command) {
        sequences.start(
            "operator", [this, command] { return sendPaced(command, sink, sequences); },
            SequenceRunner::Kind::HeldCommand);
    }
};

} // namespace orvane::testing
