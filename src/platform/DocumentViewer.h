#pragma once

#include <filesystem>

namespace orvane {

// Shows a file to the operator.
class DocumentViewer {
public:
    virtual ~DocumentViewer() = default;
    // False when it could not be shown.
    virtual bool show(const std::filesystem::path& file) = 0;
};

} // namespace orvane
