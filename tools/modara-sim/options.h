#pragma once
// The command line of modara-sim.

#include "modem.h"

#include <optional>
#include <string>

namespace modara_sim {

struct Options {
    std::string link;    // where the link to the pseudo-terminal goes
    std::string log;     // human-readable log
    std::string raw;     // every byte from the console
    std::string script;  // run once at start
    std::string control; // named pipe read for script lines
    std::string air;     // socket shared with another simulator: the air between them
    long lineRate = 0;   // bit/s of the serial line model (8N1); 0: as fast as the pty goes
    std::string replay;  // a console's wire trace whose modem side we play
    ModemSettings modem;
};

struct ParsedOptions {
    std::optional<Options> options; // none on error or for --help
    std::string error;
    bool help = false;
};

ParsedOptions parseOptions(int argc, const char* const* argv);
std::string usage();

} // namespace modara_sim
