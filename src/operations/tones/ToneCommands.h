#pragma once

#include "protocol/CommandCode.h"
#include "protocol/link/OperatingMode.h"

namespace orvane {

// The test command for a position of ToneBox: Quoral's list is off, single
// tone, four tones; every other mode's is off, mark, space, mark/space. A
// position outside the list (none selected is -1) turns the tones off.
CommandCode toneTestCommand(OperatingMode mode, int position);

} // namespace orvane
