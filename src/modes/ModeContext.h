#pragma once

#include <filesystem>
#include <string>

namespace orvane {

struct Settings;
struct LinkState;
struct TerminalModeState;
class ModeSurface;
class ModeCommandSink;
class XonXoffFilter;

// The PSK31 choices of the configuration dialog, which the settings file
// does not keep. The set-up reads the first two; the delays, AFC and squelch
// wait for a sound-card PSK31 the console does not have.
struct Psk31Choices {
    std::string txEnable;  // "OFF" (any case) disables transmitting
    std::string textEntry; // "CHAR", "WORD", anything else is line entry
    int pttOnDelay = 20;   // units of 10 ms
    int pttOffDelay = 20;
    bool afc = true;
    int squelch = 50; // 1 to 99
};

// The CRC mask of the configuration dialog's hidden Quoral group: two bytes,
// each as two hexadecimal digits. The settings file does not keep it and
// nothing sends it to the modem yet.
struct CrcMask {
    std::string first = "00";
    std::string second = "00";
    bool operator==(const CrcMask&) const = default;
};

// Everything a mode set-up reads and writes. The console owns the parts and
// fills in the hardware version once the handshake has read it.
struct ModeContext {
    Settings& settings;
    LinkState& link;
    TerminalModeState& terminal;
    ModeSurface& surface;
    ModeCommandSink& sink;
    XonXoffFilter& xonXoffFilter;
    std::string hardwareVersion;
    Psk31Choices psk31;
    // Where the AMTOR answer-back file wru.txt lies (Msg/).
    std::filesystem::path messageDirectory;
    CrcMask crcMask;
};

} // namespace orvane
