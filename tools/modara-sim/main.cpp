// modara-sim: a simulated Modara modem on a pseudo-terminal, for demos and end-to-end tests.

#include "options.h"
#include "sim_loop.h"

#include <cstdio>

int main(int argc, char** argv) {
    auto parsed = modara_sim::parseOptions(argc, argv);
    if (parsed.help) {
        std::fputs(modara_sim::usage().c_str(), stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "modara-sim: %s\n%s", parsed.error.c_str(),
                     modara_sim::usage().c_str());
        return 2;
    }
    return modara_sim::runSimulator(*parsed.options);
}
