#include "serial/ReceivedCharHandler.h"

#include "serial/EchoCounter.h"
#include "serial/ReceivedTextSink.h"
#include "serial/RoutingFlags.h"

namespace orvane {

namespace {
constexpr std::uint8_t kBel = 7;
constexpr std::uint8_t kLf = 10;
constexpr std::uint8_t kCr = 13;

bool showable(std::uint8_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == kLf;
}
} // namespace

ReceivedCharHandler::ReceivedCharHandler(ReceivedTextSink& text, ReceiveWindow& window,
                                         const RoutingFlags& flags, EchoCounter& echoes,
                                         Inputs inputs)
    : text_(text), window_(window), flags_(flags), echoes_(echoes), inputs_(std::move(inputs)) {}

void ReceivedCharHandler::handle(std::uint8_t c) {
    if (window_.faxTransferPanelVisible()) return;
    if (flags_.EchoMode) {
        echoes_.countEcho(c);
        if (inputs_.binarySendActive && inputs_.binarySendActive()) return;
        if (c == kLf) return;
        if (c == kCr) c = kLf;
        if (showable(c) && inputs_.echoEnable && inputs_.echoEnable() == "ON")
            text_.showEcho(static_cast<char>(c));
    } else {
        if (c == kBel && BellEnabled) window_.playSystemDefault();
        if (c == kLf) return;
        if (c == kCr) c = kLf;
        if (showable(c)) text_.showReceived(static_cast<char>(c));
    }
    text_.captureChar(c);
    window_.returnFocus();
}

} // namespace orvane
