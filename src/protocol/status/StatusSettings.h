#pragma once

#include <string>

namespace orvane {

// The settings the status handlers read when a link comes up; they refer to
// the live settings, so a changed configuration is seen at once.
struct StatusSettings {
    const std::string& A_EndOfLine;
    const std::string& P_EndOfLine;
};

} // namespace orvane
