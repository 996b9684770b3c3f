#include "line_encoder.h"

namespace modara_sim {

namespace {
constexpr std::uint8_t kStatusPrefix = 0x80;
constexpr std::uint8_t kDataEscape = 0x81;
constexpr std::uint8_t kXon = 0x11;
constexpr std::uint8_t kXoff = 0x13;
constexpr std::uint8_t kFlowEscape = 0x91;
} // namespace

void LineEncoder::status(std::uint8_t code) {
    emit(kStatusPrefix);
    emit(code);
}

void LineEncoder::data(std::uint8_t b) {
    if (b == kStatusPrefix || b == kDataEscape) emit(kDataEscape);
    emit(b);
}

void LineEncoder::data(const Bytes& bytes) {
    for (auto b : bytes)
        data(b);
}

void LineEncoder::modemBytes(const Bytes& bytes) {
    for (auto b : bytes)
        emit(b);
}

void LineEncoder::raw(const Bytes& bytes) {
    line_.insert(line_.end(), bytes.begin(), bytes.end());
}

Bytes LineEncoder::take() {
    if (heldByStray_) {
        line_.push_back(kXon);
        heldByStray_ = false;
        nextStrayIsXoff_ = true;
    }
    Bytes out;
    out.swap(line_);
    return out;
}

void LineEncoder::emit(std::uint8_t b) {
    if (!flowEscaping_) {
        line_.push_back(b);
        return;
    }
    if (b == kXon || b == kXoff || b == kFlowEscape) {
        line_.push_back(kFlowEscape);
        line_.push_back(static_cast<std::uint8_t>(b | 0x20));
    } else {
        line_.push_back(b);
    }
    if (strayFlowBytes_ && ++sinceStray_ == kStrayInterval) {
        sinceStray_ = 0;
        line_.push_back(nextStrayIsXoff_ ? kXoff : kXon);
        heldByStray_ = nextStrayIsXoff_;
        nextStrayIsXoff_ = !nextStrayIsXoff_;
    }
}

} // namespace modara_sim
