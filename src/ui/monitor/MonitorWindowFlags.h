#pragma once

#include <Qt>

namespace orvane {

// The monitor windows: small, always on top, a frame with a close button only.
inline constexpr Qt::WindowFlags kMonitorWindowFlags =
    Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
    Qt::WindowCloseButtonHint;

} // namespace orvane
