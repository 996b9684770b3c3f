#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// How a command reaches the modem. Each code has exactly one way (see the
// command table), so a caller hands the command over and never chooses.
enum class SendKind {
    // Append to the transmit queue, then keep the interface alive for 50 ms:
    // the normal way, and the only spacing between consecutive commands.
    Command,
    // Append to the transmit queue with no pause.
    DirectAppend,
    // Empty the transmit queue, then append with no pause: nothing queued
    // earlier may still reach the modem after these.
    ClearQueueThenAppend,
    // Written to the line byte by byte, ahead of everything queued.
    ImmediateWrite,
    // Written straight to the port by the firmware loader while the serial
    // threads are suspended; never through the transmit queue.
    LoaderWrite,
};

// One command and its parameters as the bytes the modem reads, together with
// the way it must be sent.
class ModemCommand {
public:
    using Bytes = std::vector<std::uint8_t>;

    ModemCommand() = default;
    ModemCommand(Bytes bytes, SendKind kind) : bytes_(std::move(bytes)), kind_(kind) {}

    const Bytes& bytes() const { return bytes_; }
    SendKind sendKind() const { return kind_; }
    std::size_t size() const { return bytes_.size(); }

    bool operator==(const ModemCommand&) const = default;

private:
    Bytes bytes_;
    SendKind kind_ = SendKind::Command;
};

// "80 13 80 00": for logs and test messages.
std::string toHex(std::span<const std::uint8_t> bytes);

// Appends one byte meant as data for the air. The two escape bytes
// themselves go out behind DataEscape so that the modem does not take them
// as escapes; every other byte goes out unchanged.
void appendDataByte(ModemCommand::Bytes& out, std::uint8_t byte);

} // namespace orvane
