#pragma once

namespace orvane {

// The few sounds the console makes.
class Sound {
public:
    virtual ~Sound() = default;
    // The system sound registered as "SystemDefault"; returns when it has played.
    virtual void playSystemDefault() = 0;
    virtual void playExclamation() = 0;
    virtual void beep() = 0;
    virtual void tone(int hz, int ms) = 0;
};

} // namespace orvane
