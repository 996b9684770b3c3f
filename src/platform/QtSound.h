#pragma once

#include "platform/Sound.h"

namespace orvane {

// Without an audio stack every sound is the desktop's beep, and none of them
// holds the caller for its length.
class QtSound final : public Sound {
public:
    void playSystemDefault() override;
    void playExclamation() override;
    void beep() override;
    void tone(int hz, int ms) override;
};

} // namespace orvane
