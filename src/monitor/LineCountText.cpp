#include "monitor/LineCountText.h"

namespace orvane {

std::string LineCountText(int receiveLines, int transmitLines) {
    return "RX " + std::to_string(receiveLines) + "           TX " + std::to_string(transmitLines);
}

} // namespace orvane
