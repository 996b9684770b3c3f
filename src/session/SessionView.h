#pragma once

#include "config/ScreenClamp.h"
#include "config/ScreenLayout.h"

#include <optional>
#include <string>

namespace orvane {

// The windows as the session's start-up and close need them.
class SessionView {
public:
    virtual ~SessionView() = default;

    // The splash window and its log of the start-up's steps.
    virtual void showSplash() = 0;
    virtual void logStep(const std::string& step) = 0;
    virtual void logOk() = 0;

    // What the stored window sizes are checked against.
    virtual ScreenMetrics screenMetrics() const = 0;
    // The settings are read: the windows take their places and sizes
    // (brought onto a screen; a first start when no main window size was
    // stored), fonts and colours, and the View menu its checks.
    virtual void settingsLoaded(const ScreenLayout& stored, bool storedMainSize) = 0;
    // The places and sizes to write into the settings file.
    virtual ScreenLayout layoutToSave() = 0;

    // The main window appears, with the items this console does not offer hidden.
    virtual void showMainWindow() = 0;
    // The end of start-up: the monitor windows the settings had open appear,
    // the splash goes and the transmit pane takes the keyboard.
    virtual void finishStartup() = 0;
    // Start-up ended without a main window: the splash goes.
    virtual void abandonStartup() = 0;

    // The port dialog, saying why a port is asked for when `reason` is not
    // empty; no port when the operator cancelled it.
    virtual std::optional<int> choosePort(const std::string& reason) = 0;
    virtual void hideMainWindow() = 0;
    // The modem has stopped responding: the About box closes and the main
    // window goes, before the process ends.
    virtual void closeForShutdown() = 0;
};

} // namespace orvane
