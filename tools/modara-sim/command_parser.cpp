#include "command_parser.h"

namespace modara_sim {

namespace {
constexpr std::uint8_t kCommandEscape = 0x80;
constexpr std::uint8_t kDataEscape = 0x81;
constexpr std::uint8_t kPanicCode = 0x06;
} // namespace

void CommandParser::feed(std::uint8_t b, std::vector<HostItem>& out) {
    switch (state_) {
    case State::Plain:
        if (b == kCommandEscape) {
            state_ = State::AfterEscape;
        } else if (b == kDataEscape) {
            state_ = State::AfterDataEscape;
        } else {
            out.push_back({HostItem::Kind::Data, b, nullptr, {}, true});
        }
        return;
    case State::AfterEscape: startCommand(b, out); return;
    case State::AfterDataEscape:
        state_ = State::Plain;
        if (b == kPanicCode)
            out.push_back({HostItem::Kind::Panic, b, nullptr, {}, true});
        else
            out.push_back({HostItem::Kind::Data, b, nullptr, {}, true});
        return;
    case State::ParamPrefix:
        if (b == kCommandEscape) {
            state_ = State::ParamValue;
            return;
        }
        // Parameters follow their command directly; anything else means it was cut short.
        finishCommand(false, out);
        feed(b, out);
        return;
    case State::ParamValue:
        if (pending_.info->kind == ParamKind::Text) {
            if (b == 0x00) {
                finishCommand(true, out);
                return;
            }
            pending_.params.push_back(b);
        } else {
            pending_.params.push_back(b);
            if (static_cast<int>(pending_.params.size()) == pending_.info->count) {
                finishCommand(true, out);
                return;
            }
        }
        state_ = State::ParamPrefix;
        return;
    }
}

void CommandParser::startCommand(std::uint8_t code, std::vector<HostItem>& out) {
    pending_ = {HostItem::Kind::Command, code, findCommand(code), {}, true};
    if (pending_.info == nullptr || pending_.info->kind == ParamKind::None) {
        finishCommand(true, out);
        return;
    }
    out.push_back({HostItem::Kind::Begun, code, pending_.info, {}, true});
    state_ = State::ParamPrefix;
}

void CommandParser::finishCommand(bool complete, std::vector<HostItem>& out) {
    pending_.complete = complete;
    out.push_back(std::move(pending_));
    pending_ = {};
    state_ = State::Plain;
}

} // namespace modara_sim
