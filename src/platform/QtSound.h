#pragma once

#include "platform/Sound.h"

namespace orvane {

class PcmOutput;

// The system sounds are the desktop's beep; a tone of a given pitch and
// length is made here and played through the audio output, and is the beep
// only where the machine has no audio output. None of them holds the caller
// for its length.
class QtSound final : public Sound {
public:
    explicit QtSound(PcmOutput& output) : output_(output) {}

    void playSystemDefault() override;
    void playExclamation() override;
    void beep() override;
    void tone(int hz, int ms) override;

private:
    PcmOutput& output_;
};

} // namespace orvane
