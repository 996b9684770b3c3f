#include "serial/ModemSender.h"

#include "serial/TransmitThread.h"

namespace orvane {

ModemSender::ModemSender(TransmitThread& queue, std::function<bool()> isPsk31Mode)
    : queue_(queue), isPsk31Mode_(std::move(isPsk31Mode)) {}

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
