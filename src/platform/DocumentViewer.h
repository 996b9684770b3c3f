#pragma once

#include <filesystem>

namespace orvane {

// Opens a file in the desktop's own viewer for its kind.
class DocumentViewer {
public:
    virtual ~DocumentViewer() = default;
    // False when nothing could be started to show it.
    virtual bool show(const std::filesystem::path& file) = 0;
};

} // namespace orvane
