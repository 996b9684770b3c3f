#include "serial/ModemSender.h"

#include "platform/Clock.h"
#include "serial/TransmitThread.h"

namespace orvane {

ModemSender::ModemSender(TransmitThread& queue, Clock& clock, std::function<bool()> isPsk31Mode)
    : queue_(queue), clock_(clock), isPsk31Mode_(std::move(isPsk31Mode)) {}

void ModemSender::sendCommand(std::span<const std::uint8_t> bytes) {
    queue_.append(bytes);
    clock_.waitUntil([] { return false; }, kCommandSpacingMs); // window messages handled all along
}

void ModemSender::sendCharacter(std::uint8_t byte) {
    queue_.append(std::span(&byte, 1));
}

void ModemSender::sendText(std::span<const std::uint8_t> bytes) {
    if (isPsk31Mode_ && isPsk31Mode_())
        queue_.appendToAux(bytes);
    else
        queue_.append(bytes);
}

} // namespace orvane
