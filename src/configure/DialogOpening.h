#pragma once

#include "configure/ConfigDialogValues.h"
#include "protocol/link/OperatingMode.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct Settings;

// What the dialog shows besides the settings when it opens.
struct OpeningFacts {
    std::string hardwareVersion;
    VersionValues versions;
    std::vector<PortChoice> ports; // the ports found on this machine, in order
    OperatingMode mode = OperatingMode::Quoral;
    bool linkUp = false;
    bool txActive = false;
    bool txEnabled = false; // the current mode's transmit-enable button
    bool listening = true;  // ListenMode 2
};

// Fills every control from the settings, as the dialog does at each opening.
// A radio group whose word is none of its buttons shows no button checked.
// The current mode's Transmit buttons show its transmit-enable button, the
// Listen buttons whether the modem listens. The tone pages' Center and Shift
// are computed from the tones and stored back into the settings, and a gain
// code the list cannot show is replaced (RX by +0dB, TX by -9dB). The message
// editor is not touched here.
void fillDialogValues(ConfigDialogValues& values, Settings& settings, const OpeningFacts& facts);

// Defaults: the factory values into the settings, and into the controls the
// settings table marks refreshed (Scan Control, CW ID, Echo As Sent, Printer;
// the Quoral page's Text Entry, End Of Line, Transmit Enable, AF Channel; the
// whole AMTOR, P-Mode, Baudot and ASCII pages), the call signs and lists
// shown again; the message editor is emptied. The other controls keep what
// they show, so closing takes their settings back from them.
void showFactoryDefaults(ConfigDialogValues& values, Settings& settings, const OpeningFacts& facts);

// The labels beside the FEC modulation, when the operator picks one: the code
// efficiency 60 and the block size of the modulation (85, 255 or 51); nothing
// for an unknown one.
void updateFecLabels(SettingControls& controls);
// The block size of a modulation name; 0 for an unknown one.
int fecBlockSize(std::string_view modulation);

// The gain lists the hardware offers.
std::vector<std::string> rxGainItems(std::string_view hardwareVersion);
std::vector<std::string> txGainItems(std::string_view hardwareVersion);

// The page shown first: the current mode's, else the General page.
Control pageOfMode(OperatingMode mode);

// The port list entry equal to the port name, ignoring '\' and '.' in the
// name; "" when there is none.
std::string portEntryFor(const std::vector<PortChoice>& ports, std::string_view portName);

} // namespace orvane
