#pragma once

#include <QString>

namespace orvane {

// The short guide the Help menu shows inside the console: a first contact,
// calls and links, broadcasts, transfers, settings and the main keys.
QString userGuideHtml();

} // namespace orvane
