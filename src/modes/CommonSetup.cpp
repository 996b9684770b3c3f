#include "modes/CommonSetup.h"

#include "config/Settings.h"
#include "modes/ModeCommandSink.h"
#include "modes/ModeSetups.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/WordCompare.h"
#include "protocol/QuoralEncodings.h"
#include "protocol/link/LinkState.h"
#include "serial/XonXoffFilter.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace orvane {
namespace {

constexpr int kLowestMarkedSquelch = 58;

// The end-of-line word of the mode, and the words the mode understands. The
// broadcasts count as Quoral here.
void applyModeEndOfLine(ModeContext& context) {
    const Settings& settings = context.settings;
    switch (context.link.operatingMode) {
    case OperatingMode::Amtor:
        applyEndOfLine(context, settings.A_EndOfLine, EndOfLineWords::All);
        return;
    case OperatingMode::PMode:
        applyEndOfLine(context, settings.P_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
        return;
    case OperatingMode::Baudot:
        applyEndOfLine(context, settings.B_EndOfLine, EndOfLineWords::All);
        return;
    case OperatingMode::Ascii:
        applyEndOfLine(context, settings.S_EndOfLine, EndOfLineWords::CrAndCrLfOnly);
        return;
    default: applyEndOfLine(context, settings.EndOfLine, EndOfLineWords::CrAndCrLfOnly); return;
    }
}

bool stripsFlowControl(std::string_view hardwareVersion) {
    return hardwareVersion == "800A" || hardwareVersion == "800B";
}

} // namespace

std::optional<int> printSquelchMarkerX(int setting) {
    if (setting < kLowestMarkedSquelch) return std::nullopt;
    // Wide arithmetic: the setting comes from the ini file as any 32-bit value.
    const long long x = (static_cast<long long>(setting) * 182 - 10197) / 67;
    return static_cast<int>(std::min<long long>(x, std::numeric_limits<int>::max()));
}

void commonSetup(ModeContext& context) {
    const Settings& settings = context.settings;

    applyModeEndOfLine(context);
    sendCommand(context, CommandCode::SCAN_CONTROL,
                sameWordIgnoringCase(settings.ScanControl, "CONT") ? 0 : 1);
    sendCommand(context, sameWordIgnoringCase(settings.CWID, "ON") ? CommandCode::CWID_ON
                                                                   : CommandCode::CWID_OFF);
    sendCommand(context, CommandCode::PRINT_SQUELCH,
                settings.PrintSquelchEnable == "ON" ? settings.PrintSquelchSetting : 0);
    placePrintSquelchMarkers(context, settings.PrintSquelchSetting);
    context.sink.send(commonAfChannel(settings.AFChannel));
    sendCommand(context, CommandCode::PARAM_EE, 7);
    sendAudioLevels(context);
    context.xonXoffFilter.set(stripsFlowControl(context.hardwareVersion));

    setupForMode(context, context.link.operatingMode);
}

} // namespace orvane
