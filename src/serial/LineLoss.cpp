#include "serial/LineLoss.h"

#include <cerrno>

namespace orvane {

bool isDeviceLoss(int errorNumber) {
    return errorNumber == EIO || errorNumber == ENXIO || errorNumber == ENODEV ||
           errorNumber == EPIPE || errorNumber == EBADF;
}

} // namespace orvane
