#include "air_frames.h"

namespace modara_sim {

namespace {
constexpr std::size_t kHeaderSize = 3;
constexpr std::size_t kLongestPayload = 0xFFFF;
} // namespace

Bytes encodeAirFrame(const AirFrame& frame) {
    Bytes out;
    for (std::size_t at = 0;;) { // long data goes in several frames
        const std::size_t n = std::min(frame.payload.size() - at, kLongestPayload);
        out.push_back(static_cast<std::uint8_t>(frame.kind));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(n & 0xFF));
        out.insert(out.end(), frame.payload.begin() + static_cast<long>(at),
                   frame.payload.begin() + static_cast<long>(at + n));
        at += n;
        if (at >= frame.payload.size()) return out;
    }
}

void AirFrameReader::feed(const std::uint8_t* data, std::size_t size, std::vector<AirFrame>& out) {
    buffer_.insert(buffer_.end(), data, data + size);
    std::size_t at = 0;
    while (buffer_.size() - at >= kHeaderSize) {
        const std::size_t n = static_cast<std::size_t>(buffer_[at + 1]) << 8 | buffer_[at + 2];
        if (buffer_.size() - at < kHeaderSize + n) break;
        const auto begin = buffer_.begin() + static_cast<long>(at + kHeaderSize);
        out.push_back(
            {static_cast<AirFrame::Kind>(buffer_[at]), Bytes(begin, begin + static_cast<long>(n))});
        at += kHeaderSize + n;
    }
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(at));
}

} // namespace modara_sim
