#pragma once

#include "config/Settings.h"
#include "configure/SettingControls.h"

namespace orvane {

// A tone page's two tone edits and the Center and Shift labels that follow them.
struct ToneFields {
    int Settings::*first;
    int Settings::*second;
    int Settings::*center;
    int Settings::*shift;
};

inline constexpr ToneFields kAmtorTones{&Settings::AMTORMark, &Settings::AMTORSpace,
                                        &Settings::AMTORCenter, &Settings::AMTORShift};
inline constexpr ToneFields kPModeTones{&Settings::PMODEFREQ1, &Settings::PMODEFREQ2,
                                        &Settings::PMODECenter, &Settings::PMODEShift};
inline constexpr ToneFields kBaudotTones{&Settings::BAUDOTMark, &Settings::BAUDOTSpace,
                                         &Settings::BAUDOTCenter, &Settings::BAUDOTShift};
inline constexpr ToneFields kAsciiTones{&Settings::ASCIIMark, &Settings::ASCIISpace,
                                        &Settings::ASCIICenter, &Settings::ASCIIShift};
inline constexpr ToneFields kToneGroups[] = {kAmtorTones, kPModeTones, kBaudotTones, kAsciiTones};

// The labels that follow a page's two tone edits: Center the mean of the two
// numbers, Shift their distance, each from the edit's leading digits.
void updateToneLabels(SettingControls& controls, const ToneFields& tones);

// Every page's labels computed from its edits and stored in the settings, as
// the dialog does when it shows the tones.
void showToneLabels(SettingControls& controls, Settings& settings);

} // namespace orvane
