#pragma once

#include "configure/ConfigDialogValues.h"

namespace orvane {

struct Settings;
struct CrcMask;
struct Psk31Choices;

// The dialog's controls into the settings, as closing the dialog takes them:
// each setting control that shows something other than its setting (see
// takeSettings), gain codes through the gain table (a text in no row leaves
// the code), the port only when it was changed, the call signs and lists,
// and the choices the file does not keep (PSK31, the CRC mask, "00" for an
// empty list). The Listen buttons are not taken: they show what the modem
// does now.
void takeDialogValues(const ConfigDialogValues& values, Settings& settings, bool hasTransmitLevel,
                      Psk31Choices& psk31, CrcMask& crcMask);

} // namespace orvane
