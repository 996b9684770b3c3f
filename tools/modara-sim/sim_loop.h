#pragma once
// The simulator's main loop: the pseudo-terminal, the control pipe, the timers.

#include "options.h"

namespace modara_sim {

// Runs until SIGTERM, SIGINT or a script's `quit`; returns the exit code.
int runSimulator(const Options& options);

} // namespace modara_sim
