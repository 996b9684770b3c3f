#pragma once

namespace orvane {

struct Settings;

// The call sign a fresh settings file holds until the operator gives the
// station's own.
inline constexpr const char* kPlaceholderCall = "MYCALL";

// Whether the station's call sign is still the placeholder (or empty).
bool callSignIsPlaceholder(const Settings& settings);

// Whether the settings name a serial port ("COMn").
bool portIsSet(const Settings& settings);

} // namespace orvane
