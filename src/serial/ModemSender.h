#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace orvane {

class TransmitThread;

// How the console hands characters and text to the transmit queue. Commands
// go as steps of a sequence, which spaces them.
class ModemSender {
public:
    ModemSender(TransmitThread& queue, std::function<bool()> isPsk31Mode);

    void sendCharacter(std::uint8_t byte);
    // PSK31 sends no text: there it goes to the aux buffer, never to the line.
    void sendText(std::span<const std::uint8_t> bytes);

private:
    TransmitThread& queue_;
    std::function<bool()> isPsk31Mode_;
};

} // namespace orvane
