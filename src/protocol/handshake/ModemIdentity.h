#pragma once

#include <string>

namespace orvane {

// What the modem told us about itself at start-up; kept for the whole run
// (about box, configuration dialog, hardware-dependent behaviour).
struct ModemIdentity {
    std::string ProductId;
    std::string BootVersion;
    std::string HardwareVersion;
    std::string LodVersion;
    std::string S28Version;
    std::string QuoralWaveform;
    // Set once the handshake has gone through; the firmware loader prepares
    // the modem only when it is.
    bool ModemInitialised = false;

    bool operator==(const ModemIdentity&) const = default;
};

} // namespace orvane
