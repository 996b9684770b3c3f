#pragma once

#include "modes/CodeMenu.h"
#include "modes/ModeContext.h"
#include "modes/ModeSetupRunner.h"
#include "sequence/SequenceRunner.h"
#include "session/DeviceRecovery.h"

#include <filesystem>
#include <string>

namespace orvane {

class ModemLine;
class ModeSurface;
class XonXoffFilter;
struct SessionState;

// The modem's modes as the session runs them: the set-ups with the context
// they write into, and the Code menu that chooses among them. The Code menu
// shows the mode the console holds whenever the sequences change, and a
// modem that came back after a loss is set up again.
class ModemModes final : public DeviceRecoveryHost, private SequenceObserver {
public:
    ModemModes(SessionState& state, ModeSurface& surface, ModemLine& line,
               SequenceRunner& sequences, XonXoffFilter& xonXoffFilter,
               const std::filesystem::path& messageDirectory);
    ~ModemModes() override;

    ModeSetupRunner& setups() { return runner_; }
    CodeMenu& codeMenu() { return codeMenu_; }
    // After the handshake: the set-ups compare against the modem's hardware.
    void setHardwareVersion(const std::string& version) { context_.hardwareVersion = version; }

    // DeviceRecoveryHost
    void showLineState(const std::string& text) override;
    void replayModeSetup() override;

private:
    // SequenceObserver
    void sequencesChanged() override;
    void sequenceFailed(const std::string& name, const std::string& what) override;

    SequenceRunner& sequences_;
    ModeContext context_;
    ModeSetupRunner runner_;
    CodeMenu codeMenu_;
};

} // namespace orvane
