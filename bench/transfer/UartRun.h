#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// Seconds from the choice of a file to the receiver's result reaching the sender, with the
// sender's transmit queue writing to a port that drains like a UART at 9600 8N1, and the
// modem putting on the air (and echoing) what leaves the driver.
double UartTransferSeconds(const std::string& name, const std::vector<std::uint8_t>& bytes,
                           std::string& outcome);

} // namespace orvane
