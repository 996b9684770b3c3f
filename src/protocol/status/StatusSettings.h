#pragma once

#include <functional>
#include <string>

namespace orvane {

// The settings the status handlers read, looked up when a link comes up.
struct StatusSettings {
    std::function<std::string()> A_EndOfLine;
    std::function<std::string()> P_EndOfLine;
};

} // namespace orvane
