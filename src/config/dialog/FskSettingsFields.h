#pragma once

#include "config/Settings.h"

#include <string>

namespace orvane {

// The settings the Baudot and ASCII pages share, for one of the two modes.
struct FskSettingsFields {
    std::string& txEnable;
    std::string& textEntry;
    std::string& polarity;
    std::string& endOfLine;
    std::string& syncIdle;
    int& rate;
    int& pttOn;
    int& pttOff;
};

inline FskSettingsFields baudotFields(Settings& s) {
    return {s.B_TXEnable, s.B_TextEntry, s.B_Polarity, s.B_EndOfLine,
            s.B_SyncIdle, s.B_Rate,      s.B_PTTON,    s.B_PTTOFF};
}

inline FskSettingsFields asciiFields(Settings& s) {
    return {s.S_TXEnable, s.S_TextEntry, s.S_Polarity, s.S_EndOfLine,
            s.S_SyncIdle, s.S_Rate,      s.S_PTTON,    s.S_PTTOFF};
}

} // namespace orvane
