#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// Finds the text in the console's byte stream to the modem. A byte after the
// command escape 0x80 is a command or parameter byte; a byte after the data
// escape 0x81 is data; any other byte is data. A data byte 0x01 opens an
// in-band sequence of a file transfer, whose bytes are no text: they are
// skipped up to the sequence that ends the transfer (0x01 followed by one of
// 0x92 to 0x96).
class SentTextDecoder {
public:
    // The data byte this wire byte carries as text, if any.
    std::optional<std::uint8_t> decode(std::uint8_t wireByte);

private:
    enum class Escape { None, Command, Data };
    std::optional<std::uint8_t> data(std::uint8_t byte);

    Escape escape_ = Escape::None;
    bool inBand_ = false;
    bool afterInBandStart_ = false;
};

} // namespace orvane
