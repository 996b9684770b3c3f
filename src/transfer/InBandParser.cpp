#include "transfer/InBandParser.h"

#include "serial/RxQueue.h"

namespace orvane {

void InBandParser::begin() {
    state_ = State::Code;
    header_ = {};
    field_ = 0;
    text_.clear();
    fax_ = {};
    faxBytes_ = 0;
}

InBandParser::Step InBandParser::feed(std::int32_t item) {
    const auto byte = static_cast<std::uint8_t>(item & 0xFF);
    const bool isStatus = RxQueue::isStatus(item);
    switch (state_) {
    case State::Idle: return Step::Done;
    case State::Code:
    case State::Header:
    case State::Ready:
        if (isStatus) {
            status_ = byte;
            return Step::Status;
        }
        if (state_ == State::Code) return code(byte);
        return state_ == State::Header ? headerByte(byte) : readyByte(byte);
    case State::FaxCode: return faxCode(byte);
    case State::FaxCall: return faxCallByte(byte);
    case State::FaxProgress: return faxProgressByte(byte);
    }
    return Step::Done;
}

InBandParser::Step InBandParser::code(std::uint8_t byte) {
    if (byte == inband::kFax) {
        state_ = State::FaxCode;
        return Step::More;
    }
    if (!events_.transferCodesEnabled()) return finish();
    if (byte == inband::kHeader || byte == inband::kHeaderAlt) {
        state_ = State::Header;
        return Step::More;
    }
    if (byte == inband::kReady && events_.awaitingReady()) {
        state_ = State::Ready;
        return Step::More;
    }
    if (byte != inband::kReady) events_.codeReceived(byte);
    return finish();
}

InBandParser::Step InBandParser::headerByte(std::uint8_t byte) {
    const bool last = field_ == 3;
    if (byte == (last ? inband::kSequenceEnd : inband::kFieldEnd)) {
        std::string* fields[] = {&header_.name, &header_.sizeText, &header_.compressedSizeText,
                                 &header_.method};
        *fields[field_] = std::move(text_);
        text_.clear();
        if (!last) {
            ++field_;
            return Step::More;
        }
        events_.headerReceived(header_);
        return finish();
    }
    if (text_.size() >= kLongestField) {
        events_.headerOverlong();
        return finish();
    }
    text_.push_back(static_cast<char>(byte));
    return Step::More;
}

InBandParser::Step InBandParser::readyByte(std::uint8_t byte) {
    if (byte == inband::kSequenceEnd) {
        events_.readyReceived(text_);
        return finish();
    }
    if (text_.size() >= kLongestField) {
        events_.readyReceived(text_); // not a number: the sender refuses it
        return finish();
    }
    text_.push_back(static_cast<char>(byte));
    return Step::More;
}

InBandParser::Step InBandParser::faxCode(std::uint8_t byte) {
    fax_.code = byte;
    if (byte == fax::kSending || byte == fax::kReceiving) {
        state_ = State::FaxCall;
        return Step::More;
    }
    if (byte == fax::kProgress) {
        state_ = State::FaxProgress;
        return Step::More;
    }
    events_.faxReceived(fax_);
    return finish();
}

InBandParser::Step InBandParser::faxCallByte(std::uint8_t byte) {
    if (byte == inband::kSequenceEnd || fax_.call.size() >= kLongestCall) {
        events_.faxReceived(fax_);
        return finish();
    }
    fax_.call.push_back(static_cast<char>(byte));
    return Step::More;
}

// Four bytes done, 0x08, four bytes total, one closing byte; high bytes first.
InBandParser::Step InBandParser::faxProgressByte(std::uint8_t byte) {
    const int index = faxBytes_++;
    if (index < 4) {
        fax_.done = fax_.done << 8 | byte;
    } else if (index == 4) {
        if (byte != fax::kProgressSeparator) {
            events_.faxReceived(fax_);
            return finish();
        }
    } else if (index < 9) {
        fax_.total = fax_.total << 8 | byte;
    } else {
        events_.faxReceived(fax_);
        return finish();
    }
    return Step::More;
}

InBandParser::Step InBandParser::finish() {
    state_ = State::Idle;
    return Step::Done;
}

} // namespace orvane
