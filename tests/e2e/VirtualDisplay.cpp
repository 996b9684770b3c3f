#include "e2e/VirtualDisplay.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace orvane::testing {

namespace {

std::optional<std::filesystem::path> onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// One line from `fd`, without its newline; empty if the writer closed its end
// or `limit` passed first.
std::string readLine(int fd, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    std::string line;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char c;
        if (::read(fd, &c, 1) != 1) return {};
        if (c == '\n') return line;
        line += c;
    }
}

} // namespace

bool VirtualDisplay::available() {
    return onPath("Xvfb") && onPath("xdotool");
}

// The server picks a free display number itself and writes it to the pipe
// once it takes connections: nothing to guess, no socket file to wait for.
bool VirtualDisplay::windowManagerAvailable() {
    return available() && onPath("openbox") && onPath("xprop") && onPath("wmctrl");
}

VirtualDisplay::VirtualDisplay(const std::filesystem::path& workDirectory, Desktop desktop) {
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("no pipe for Xvfb");
    server_ = std::make_unique<ChildProcess>(ChildProcess::Options{
        *onPath("Xvfb"),
        {"-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x800x24", "-nolisten", "tcp"},
        workDirectory,
        {},
        workDirectory / "xvfb.out",
        ready[1]});
    ::close(ready[1]);
    const std::string number = readLine(ready[0], std::chrono::seconds(20));
    ::close(ready[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start: " + readFile(workDirectory / "xvfb.out"));
    name_ = ":" + number;
    if (desktop == Desktop::WithWindowManager) startWindowManager(workDirectory);
}

// openbox announces itself on the root window once it manages the screen; windows mapped
// before that would be placed by nobody.
void VirtualDisplay::startWindowManager(const std::filesystem::path& workDirectory) {
    windowManager_ =
        std::make_unique<ChildProcess>(ChildProcess::Options{*onPath("openbox"),
                                                             {"--sm-disable"},
                                                             workDirectory,
                                                             {{"DISPLAY", name_}},
                                                             workDirectory / "openbox.out"});
    const bool managing = waitUntil(
        [&] {
            return run("timeout 10 xprop", "-root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                   std::string::npos;
        },
        std::chrono::seconds(20));
    if (!managing)
        throw std::runtime_error("openbox did not start: " +
                                 readFile(workDirectory / "openbox.out"));
}

VirtualDisplay::~VirtualDisplay() {
    if (windowManager_) {
        windowManager_->signal(SIGTERM);
        windowManager_->waitForExit(std::chrono::seconds(5));
    }
    // Asked to end, the server takes its socket and lock file with it.
    server_->signal(SIGTERM);
    server_->waitForExit(std::chrono::seconds(5));
}

std::string VirtualDisplay::run(const std::string& program, const std::string& arguments) {
    const std::string command =
        "DISPLAY=" + name_ + " " + program + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    ::pclose(pipe);
    return out;
}

// xdotool's own --pid does not narrow a search by name, so the owner is checked here.
std::vector<std::string> VirtualDisplay::windows(pid_t pid, const std::string& titlePattern) {
    std::stringstream found(
        run("timeout 10 xdotool", "search --onlyvisible --name " + quoted(titlePattern)));
    std::vector<std::string> owned;
    for (std::string id; std::getline(found, id);)
        if (std::atoi(run("timeout 10 xdotool", "getwindowpid " + id).c_str()) == pid)
            owned.push_back(id);
    return owned;
}

std::optional<std::string> VirtualDisplay::window(pid_t pid, const std::string& titlePattern,
                                                  std::chrono::milliseconds limit) {
    std::vector<std::string> found;
    waitUntil([&] { return !(found = windows(pid, titlePattern)).empty(); }, limit);
    if (found.empty()) return std::nullopt;
    return found.front();
}

std::optional<std::string> VirtualDisplay::otherWindow(pid_t pid, const std::string& titlePattern,
                                                       const std::string& known) {
    for (const std::string& id : windows(pid, titlePattern))
        if (id != known) return id;
    return std::nullopt;
}

bool VirtualDisplay::gone(pid_t pid, const std::string& window, std::chrono::milliseconds limit) {
    return waitUntil(
        [&] {
            const auto shown = windows(pid, ".");
            return std::find(shown.begin(), shown.end(), window) == shown.end();
        },
        limit);
}

std::string VirtualDisplay::titles(pid_t pid) {
    std::string out;
    for (const std::string& id : windows(pid, "."))
        out += id + " " + run("timeout 10 xdotool", "getwindowname " + id);
    return out;
}

void VirtualDisplay::focus(const std::string& window) {
    run("timeout 10 xdotool", "windowfocus --sync " + window);
}

void VirtualDisplay::place(const std::string& window, int x, int y, int width, int height) {
    run("timeout 10 xdotool", "windowsize " + window + " " + std::to_string(width) + " " +
                                  std::to_string(height) + " windowmove " + window + " " +
                                  std::to_string(x) + " " + std::to_string(y));
}

void VirtualDisplay::keys(const std::string& names) {
    run("timeout 10 xdotool", "key --clearmodifiers " + names);
}

void VirtualDisplay::click(const std::string& window, int right, int bottom,
                           const std::string& thenKeys) {
    // "Geometry: 615x468" among the lines xdotool prints.
    const std::string geometry = run("timeout 10 xdotool", "getwindowgeometry " + window);
    int width = 0, height = 0;
    const auto at = geometry.find("Geometry: ");
    if (at != std::string::npos)
        std::sscanf(geometry.c_str() + at, "Geometry: %dx%d", &width, &height);
    run("timeout 10 xdotool", "mousemove --window " + window + " " + std::to_string(width - right) +
                                  " " + std::to_string(height - bottom) + " click 1" +
                                  (thenKeys.empty() ? "" : " key --clearmodifiers " + thenKeys));
}

void VirtualDisplay::type(const std::string& text) {
    run("timeout 10 xdotool", "type --delay 20 " + quoted(text));
}

void VirtualDisplay::closeRequest(const std::string& window) {
    // _NET_CLOSE_WINDOW to the window manager, which sends the client WM_DELETE_WINDOW.
    run("timeout 10 wmctrl", "-i -c " + window);
}

void VirtualDisplay::screenshotIfAsked(const std::string& name) {
    if (const char* folder = std::getenv("ORVANE_SHOT_DIR"))
        screenshot(std::filesystem::path(folder) / name);
}

void VirtualDisplay::screenshot(const std::filesystem::path& file) {
    run("import", "-window root " + quoted(file.string()));
}

} // namespace orvane::testing
