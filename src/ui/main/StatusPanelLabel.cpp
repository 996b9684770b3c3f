#include "ui/main/StatusPanelLabel.h"

#include <algorithm>

namespace orvane {

namespace {
// What a squeezed empty panel keeps: its frame and a letter or two.
constexpr int kSqueezedWidth = 16;
} // namespace

QSize StatusPanelLabel::sizeHint() const {
    const QSize text = QLabel::sizeHint();
    return {std::max(layoutWidth_, text.width()), text.height()};
}

QSize StatusPanelLabel::minimumSizeHint() const {
    // A squeezed panel still shows as much of its text as its layout width
    // would; only room beyond that, and empty panels, give way.
    const QSize text = QLabel::minimumSizeHint();
    const int keep = text.isEmpty() || this->text().isEmpty() ? kSqueezedWidth : text.width();
    return {std::min(keep, layoutWidth_), text.height()};
}

} // namespace orvane
