#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct WorkdirChoice {
    std::optional<std::filesystem::path> folder; // none: stay where we were started
    std::string error;
};

// `--workdir DIR` or `--workdir=DIR`: the folder the console works in instead
// of the one it was started in. Other arguments are left to Qt.
WorkdirChoice workdirFromArguments(const std::vector<std::string>& arguments);

// Makes the folder (with its parents) and moves into it; an empty text on
// success, else the reason.
std::string enterWorkdir(const std::filesystem::path& folder);

} // namespace orvane
