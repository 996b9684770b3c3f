#include "serial/RxDecoder.h"

#include "serial/RxQueue.h"

namespace orvane {

namespace {
constexpr std::uint8_t kStatusPrefix = 0x80;
constexpr std::uint8_t kDataEscape = 0x81;
constexpr std::uint8_t kFlowEscape = 0x91;
constexpr std::uint8_t kFlowEscapeBit = 0x20;
} // namespace

std::optional<std::int32_t> RxDecoder::decode(std::uint8_t b) {
    if (filter_.isOn()) {
        if (flowEscapePending_) {
            flowEscapePending_ = false;
            b &= static_cast<std::uint8_t>(~kFlowEscapeBit);
        } else if (b == kFlowEscape) {
            flowEscapePending_ = true;
            return std::nullopt;
        } else if (b == XonXoffFilter::kXon || b == XonXoffFilter::kXoff) {
            filter_.heard(b);
            return std::nullopt;
        }
    }
    switch (state_) {
    case State::AfterStatusPrefix: state_ = State::Plain; return RxQueue::kStatusFlag | b;
    case State::AfterDataEscape: state_ = State::Plain; return b;
    case State::Plain: break;
    }
    if (b == kStatusPrefix) {
        state_ = State::AfterStatusPrefix;
        return std::nullopt;
    }
    if (b == kDataEscape) {
        state_ = State::AfterDataEscape;
        return std::nullopt;
    }
    return b;
}

void RxDecoder::reset() {
    state_ = State::Plain;
    flowEscapePending_ = false;
}

} // namespace orvane
