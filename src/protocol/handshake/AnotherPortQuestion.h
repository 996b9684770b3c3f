#pragma once

#include "platform/ProcessExit.h"
#include "platform/Prompter.h"

namespace orvane {

// The modem did not answer: says so, then asks whether to try another port.
// Returns true for Yes (the caller then offers the port dialog); No ends the
// process at once with code 0.
bool askForAnotherPort(Prompter& prompter, ProcessExit& processExit);

} // namespace orvane
