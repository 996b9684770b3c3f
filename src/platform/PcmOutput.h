#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// A sound as samples: mono, signed 16-bit.
struct PcmSound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// The machine's audio output.
class PcmOutput {
public:
    virtual ~PcmOutput() = default;
    // Starts the sound and returns at once, the sound playing on beside the
    // caller; a sound still playing gives way to it. False where the machine
    // has no audio output.
    virtual bool play(PcmSound sound) = 0;
};

} // namespace orvane
