#include "configure/ToneLabels.h"

#include "configure/InputRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace orvane {

void updateToneLabels(SettingControls& controls, const ToneFields& tones) {
    const long long first = leadingNumber(controls.text(tones.first));
    const long long second = leadingNumber(controls.text(tones.second));
    controls.text(tones.center) = std::to_string(std::llabs(first + second) / 2);
    controls.text(tones.shift) =
        std::to_string(std::min<long long>(std::llabs(second - first), INT32_MAX));
}

void showToneLabels(SettingControls& controls, Settings& settings) {
    for (const ToneFields& tones : kToneGroups) {
        updateToneLabels(controls, tones);
        settings.*tones.center = controls.number(tones.center);
        settings.*tones.shift = controls.number(tones.shift);
    }
}

} // namespace orvane
