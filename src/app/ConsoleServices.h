#pragma once

#include <filesystem>

namespace orvane {

class Clock;
class Prompter;
class ProcessExit;
class Sound;

// What the console takes from its platform. Production passes the Qt
// implementations; tests pass a manual clock and scripted answers.
struct ConsoleServices {
    Clock& clock;
    Prompter& prompter;
    ProcessExit& processExit;
    Sound& sound;
    std::filesystem::path baseDir;
};

} // namespace orvane
