#include "protocol/link/OperatingMode.h"

namespace orvane {

std::optional<OperatingMode> operatingModeFromValue(int value) {
    switch (value) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 10: return static_cast<OperatingMode>(value);
    default: return std::nullopt;
    }
}

int operatingModeValue(OperatingMode mode) {
    return static_cast<int>(mode);
}

OperatingMode baseMode(OperatingMode mode) {
    switch (mode) {
    case OperatingMode::QuoralBroadcast: return OperatingMode::Quoral;
    case OperatingMode::AmtorBroadcast: return OperatingMode::Amtor;
    case OperatingMode::PModeUnproto: return OperatingMode::PMode;
    default: return mode;
    }
}

bool isBroadcast(OperatingMode mode) {
    return baseMode(mode) != mode;
}

bool isFsk(OperatingMode mode) {
    return mode == OperatingMode::Baudot || mode == OperatingMode::Ascii;
}

std::string panelName(OperatingMode mode) {
    switch (baseMode(mode)) {
    case OperatingMode::Amtor: return "AMTOR";
    case OperatingMode::PMode: return "P-Mode";
    case OperatingMode::Baudot: return "Baudot";
    case OperatingMode::Ascii: return "ASCII";
    case OperatingMode::Psk31: return "PSK31";
    default: return "QUORAL";
    }
}

} // namespace orvane
