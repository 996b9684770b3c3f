#pragma once

#include <filesystem>

namespace orvane {

class Clock;
class Prompter;
class ProcessExit;
class Sound;
class UiThread;

// What the console takes from its platform. Production passes the Qt
// implementations; tests pass scripted answers and, where they wish, a
// manual clock.
struct ConsoleServices {
    Clock& clock;
    Prompter& prompter;
    ProcessExit& processExit;
    Sound& sound;
    UiThread& uiThread;
    std::filesystem::path baseDir;
};

} // namespace orvane
