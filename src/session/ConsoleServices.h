#pragma once

#include "serial/ModemPort.h"
#include "serial/SerialDevices.h"

#include <filesystem>

namespace orvane {

class Clock;
class Prompter;
class ProcessExit;
class Sound;
class UiThread;

// What the console takes from its platform. Production passes the Qt
// implementations and the machine's serial devices; tests pass scripted
// answers and, where they wish, a manual clock or port doubles.
struct ConsoleServices {
    Clock& clock;
    Prompter& prompter;
    ProcessExit& processExit;
    Sound& sound;
    UiThread& uiThread;
    std::filesystem::path baseDir;
    PortDevices& devices = systemPortDevices();
    // Where the port dialog finds the machine's serial devices.
    DeviceRoots deviceRoots = {};
};

} // namespace orvane
