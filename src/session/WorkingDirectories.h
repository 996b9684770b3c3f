#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// The folders the console works in, under the directory it was started in.
struct WorkingDirectories {
    std::filesystem::path base;
    std::filesystem::path out() const { return base / "Out"; }
    std::filesystem::path in() const { return base / "In"; }
    std::filesystem::path config() const { return base / "Config"; }
    std::filesystem::path msg() const { return base / "Msg"; }

    // Creates each missing folder in the order Out, In, Config, Msg and returns
    // the operator message of every one that could not be made, in that order.
    std::vector<std::string> create() const;
};

} // namespace orvane
