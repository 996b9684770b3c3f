#include "session/WorkingDirectories.h"

#include <system_error>
#include <utility>

namespace orvane {

std::vector<std::string> WorkingDirectories::create() const {
    const std::pair<std::filesystem::path, const char*> folders[] = {
        {out(), "Error Creating Upload Directory!"},
        {in(), "Error Creating Download Directory!"},
        {config(), "Error Creating Config Directory!"},
        {msg(), "Error Creating Message Directory!"},
    };
    std::vector<std::string> failures;
    for (const auto& [path, message] : folders) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) continue;
        if (!std::filesystem::create_directory(path, error) || error)
            failures.emplace_back(message);
    }
    return failures;
}

} // namespace orvane
