#pragma once

#include "config/dialog/ConfigDialogValues.h"

namespace orvane {

struct Settings;
struct Psk31Choices;

// Every control of the dialog into the settings, as closing the dialog takes
// them: words from the checked buttons (a group with none checked leaves its
// word), numbers from the edits' leading digits, gain codes through the gain
// table (a text in no row leaves the code), Center and Shift as the labels
// show them, the port only when it was changed, the call signs and lists.
void takeDialogValues(const ConfigDialogValues& values, Settings& settings,
                      bool hasTransmitLevel, Psk31Choices& psk31);

} // namespace orvane
