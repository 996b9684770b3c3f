#pragma once

#include "config/SettingsFile.h"

#include <string>
#include <string_view>

namespace orvane::testing {

// A 1920 x 1080 screen; tuning windows 300, 260 and 410 pixels wide.
inline SettingsLoadContext fullHdContext() {
    SettingsLoadContext context;
    context.Screen = {.ScreenWidth = 1920,
                      .ScreenHeight = 1080,
                      .AmpTuneWidth = 300,
                      .FreqTuneWidth = 260,
                      .QuoralStatWidth = 410};
    return context;
}

// The expected files are written out with LF for readability; the file has CR LF.
inline std::string withCrLf(std::string_view text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

} // namespace orvane::testing
