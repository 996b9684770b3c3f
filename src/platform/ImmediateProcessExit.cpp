#include "platform/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

namespace orvane {

void ImmediateProcessExit::exitNow(int code) {
    std::fflush(nullptr);
    std::_Exit(code);
}

} // namespace orvane
