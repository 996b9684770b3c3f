#pragma once

#include <string>

namespace orvane {

// Panel 5 between other texts: "RX 12           TX 3".
std::string LineCountText(int receiveLines, int transmitLines);

} // namespace orvane
