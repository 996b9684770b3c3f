#pragma once

#include "e2e/ChildProcess.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace orvane::testing {

// An X server of our own (Xvfb) for programs driven by real key input (xdotool), as an
// operator's keyboard drives them: XTEST key events to the window that has the focus.
class VirtualDisplay {
public:
    // Whether Xvfb and xdotool are installed (scripts/bootstrap installs both).
    static bool available();

    // Whether openbox, xprop and wmctrl are installed too (scripts/bootstrap installs them).
    static bool windowManagerAvailable();

    enum class Desktop { BareServer, WithWindowManager };
    // Starts the server, and openbox on it when asked, as an operator's desktop has one (it
    // owns the close keys, decorates and places windows); throws if either is not ready
    // within 20 s.
    explicit VirtualDisplay(const std::filesystem::path& workDirectory,
                            Desktop desktop = Desktop::BareServer);
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& name() const { return name_; }

    // The first visible window of process `pid` whose title matches the pattern, once it
    // is there (within `limit`).
    std::optional<std::string> window(pid_t pid, const std::string& titlePattern,
                                      std::chrono::milliseconds limit);
    // A visible window of the process matching the pattern, other than `known`, if there is one.
    std::optional<std::string> otherWindow(pid_t pid, const std::string& titlePattern,
                                           const std::string& known);
    // Whether the window is no longer shown (within `limit`).
    bool gone(pid_t pid, const std::string& window, std::chrono::milliseconds limit);
    void focus(const std::string& window);
    void place(const std::string& window, int x, int y, int width, int height);
    // Key names as xdotool knows them ("alt+f", "Return").
    void keys(const std::string& names);
    // A click at (right, bottom) pixels in from the window's lower right corner, then the
    // keys if any, in one go: as quick as an operator's hand.
    void click(const std::string& window, int right, int bottom, const std::string& thenKeys = {});
    // Text typed key by key.
    void type(const std::string& text);
    void screenshot(const std::filesystem::path& file);
    // A picture named `name` in the folder ORVANE_SHOT_DIR names, when it is set.
    void screenshotIfAsked(const std::string& name);
    // Asks the window manager to close the window, as its close box does (WM_DELETE_WINDOW).
    void closeRequest(const std::string& window);
    // The titles of the process's visible windows, one a line (for failure messages).
    std::string titles(pid_t pid);

private:
    void startWindowManager(const std::filesystem::path& workDirectory);
    std::vector<std::string> windows(pid_t pid, const std::string& titlePattern);
    std::string run(const std::string& program, const std::string& arguments);

    std::string name_;
    std::unique_ptr<ChildProcess> server_;
    std::unique_ptr<ChildProcess> windowManager_;
};

} // namespace orvane::testing
