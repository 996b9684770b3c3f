#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace orvane {

class Clock;
class TransmitThread;

// The three ways the console hands bytes to the transmit queue.
class ModemSender {
public:
    static constexpr int kCommandSpacingMs = 50;

    ModemSender(TransmitThread& queue, Clock& clock, std::function<bool()> isPsk31Mode);

    // Queues a command, then keeps the user interface alive for 50 ms from the
    // append, which spaces consecutive commands at least that far apart.
    void sendCommand(std::span<const std::uint8_t> bytes);
    void sendCharacter(std::uint8_t byte);
    // PSK31 sends no text: there it goes to the aux buffer, never to the line.
    void sendText(std::span<const std::uint8_t> bytes);

private:
    TransmitThread& queue_;
    Clock& clock_;
    std::function<bool()> isPsk31Mode_;
};

} // namespace orvane
