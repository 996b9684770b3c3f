#include "e2e/VirtualDisplay.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

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
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::filesystem::path serverSocket(int number) {
    return "/tmp/.X11-unix/X" + std::to_string(number);
}

} // namespace

bool VirtualDisplay::available() {
    return onPath("Xvfb") && onPath("xdotool");
}

VirtualDisplay::VirtualDisplay(const std::filesystem::path& workDirectory) {
    int number = 100 + static_cast<int>(::getpid() % 400);
    while (std::filesystem::exists(serverSocket(number)) ||
           std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock"))
        ++number;
    name_ = ":" + std::to_string(number);
    server_ = std::make_unique<ChildProcess>(ChildProcess::Options{
        *onPath("Xvfb"), {name_, "-screen", "0", "1280x800x24", "-nolisten", "tcp"}, workDirectory,
        {}, workDirectory / "xvfb.out"});
    if (!waitUntil([&] { return std::filesystem::exists(serverSocket(number)); }, std::chrono::seconds(20)))
        throw std::runtime_error("Xvfb did not start: " + readFile(workDirectory / "xvfb.out"));
}

std::string VirtualDisplay::run(const std::string& program, const std::string& arguments) {
    const std::string command = "DISPLAY=" + name_ + " " + program + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    ::pclose(pipe);
    return out;
}

// xdotool's own --pid does not narrow a search by name, so the owner is checked here.
std::vector<std::string> VirtualDisplay::windows(pid_t pid, const std::string& titlePattern) {
    std::stringstream found(run("timeout 10 xdotool", "search --onlyvisible --name " + quoted(titlePattern)));
    std::vector<std::string> owned;
    for (std::string id; std::getline(found, id);)
        if (std::atoi(run("timeout 10 xdotool", "getwindowpid " + id).c_str()) == pid) owned.push_back(id);
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
    if (at != std::string::npos) std::sscanf(geometry.c_str() + at, "Geometry: %dx%d", &width, &height);
    run("timeout 10 xdotool", "mousemove --window " + window + " " + std::to_string(width - right) + " " +
                                  std::to_string(height - bottom) + " click 1" +
                                  (thenKeys.empty() ? "" : " key --clearmodifiers " + thenKeys));
}

void VirtualDisplay::type(const std::string& text) {
    run("timeout 10 xdotool", "type --delay 20 " + quoted(text));
}

void VirtualDisplay::screenshot(const std::filesystem::path& file) {
    run("import", "-window root " + quoted(file.string()));
}

} // namespace orvane::testing
