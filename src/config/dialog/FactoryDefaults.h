#pragma once

namespace orvane {

struct Settings;

// The factory values the dialog's Defaults button restores. Call signs,
// station lists, the port, the display settings and the operating mode are
// left as they are.
void setFactoryDefaults(Settings& settings);

} // namespace orvane
