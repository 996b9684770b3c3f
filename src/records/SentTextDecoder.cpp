#include "records/SentTextDecoder.h"

namespace orvane {
namespace {
constexpr std::uint8_t kCommandEscape = 0x80;
constexpr std::uint8_t kDataEscape = 0x81;
constexpr std::uint8_t kInBandStart = 0x01;
// Already there, end of file, complete, failed, cancelled.
constexpr std::uint8_t kFirstClosingCode = 0x92;
constexpr std::uint8_t kLastClosingCode = 0x96;
} // namespace

std::optional<std::uint8_t> SentTextDecoder::decode(std::uint8_t wireByte) {
    switch (escape_) {
    case Escape::Command: escape_ = Escape::None; return std::nullopt;
    case Escape::Data: escape_ = Escape::None; return data(wireByte);
    case Escape::None: break;
    }
    if (wireByte == kCommandEscape) {
        escape_ = Escape::Command;
        return std::nullopt;
    }
    if (wireByte == kDataEscape) {
        escape_ = Escape::Data;
        return std::nullopt;
    }
    return data(wireByte);
}

std::optional<std::uint8_t> SentTextDecoder::data(std::uint8_t byte) {
    if (afterInBandStart_) {
        afterInBandStart_ = false;
        if (byte >= kFirstClosingCode && byte <= kLastClosingCode) inBand_ = false;
        return std::nullopt;
    }
    if (byte == kInBandStart) {
        inBand_ = true;
        afterInBandStart_ = true;
        return std::nullopt;
    }
    if (inBand_) return std::nullopt;
    return byte;
}

} // namespace orvane
