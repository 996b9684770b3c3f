#include "serial/ModemSender.h"

#include "platform/Clock.h"
#include "serial/TransmitThread.h"

namespace orvane {

ModemSender::ModemSender(TransmitThread& queue, Clock& clock, std::function<bool()> isPsk31Mode)
    : queue_(queue), clock_(clock), isPsk31Mode_(std::move(isPsk31Mode)) {}

void ModemSender::sendCommand(std::span<const std::uint8_t> bytes) {
    queue_.append(bytes);
    const std::int64_t appendedAt = clock_.tickMs();
    for (;;) {
        const std::int64_t left = kCommandSpacingMs - (clock_.tickMs() - appendedAt);
        if (left <= 0) break;
        clock_.delay(static_cast<int>(left)); // handles window messages while it waits
    }
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
