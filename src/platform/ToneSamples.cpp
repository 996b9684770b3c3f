#include "platform/ToneSamples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

PcmSound toneSamples(int hz, int ms, int sampleRate) {
    constexpr double kAmplitude = 0.5 * 32767;
    constexpr int kFadeMs = 5;
    PcmSound sound;
    sound.sampleRate = sampleRate;
    const auto count = static_cast<std::size_t>(std::max(0LL, 1LL * sampleRate * ms / 1000));
    const double fadeSamples = std::max(1.0, sampleRate * kFadeMs / 1000.0);
    sound.samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double fade = std::min({1.0, static_cast<double>(i) / fadeSamples,
                                      static_cast<double>(count - 1 - i) / fadeSamples});
        const double phase = 2 * std::numbers::pi * hz * static_cast<double>(i) / sampleRate;
        sound.samples[i] =
            static_cast<std::int16_t>(std::lround(kAmplitude * fade * std::sin(phase)));
    }
    return sound;
}

} // namespace orvane
