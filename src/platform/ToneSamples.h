#pragma once

#include "platform/PcmOutput.h"

namespace orvane {

inline constexpr int kToneSampleRate = 48000;

// A sine tone of `hz` lasting `ms`, at a comfortable loudness, faded in and
// out over a few milliseconds so that it starts and ends without a click.
PcmSound toneSamples(int hz, int ms, int sampleRate = kToneSampleRate);

} // namespace orvane
