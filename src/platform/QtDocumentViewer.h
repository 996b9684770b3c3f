#pragma once

#include "platform/DocumentViewer.h"

namespace orvane {

class QtDocumentViewer final : public DocumentViewer {
public:
    bool show(const std::filesystem::path& file) override;
};

} // namespace orvane
