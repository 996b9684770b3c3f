#include "serial/LineErrors.h"

namespace orvane {

std::string_view lineErrorText(std::uint32_t mask) {
    switch (mask) {
    case line_error::kFraming: return "FRAMING Error!";
    case line_error::kIo: return "I/O Error!";
    case line_error::kOverrun: return "OVERRUN Error!";
    case line_error::kRxBufferOverflow: return "RX BUFFER OVERFLOW Error!";
    case line_error::kParity: return "PARITY Error!";
    case line_error::kTxBufferFull: return "TX BUFFER OVERFLOW Error!";
    default: return "UNKNOWN SERIAL Error!";
    }
}

} // namespace orvane
