#include "link_play.h"

#include "command_table.h"
#include "status_table.h"

#include <algorithm>
#include <cctype>

namespace modara_sim {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

Bytes callText(const std::string& sign) {
    Bytes bytes(sign.begin(), sign.end());
    bytes.push_back(0x00);
    return bytes;
}

std::string textOf(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// What AMTOR and Baudot can put on the air (the five-unit alphabet).
bool fiveUnitCharacter(std::uint8_t b) {
    if (std::isalnum(b)) return true;
    static constexpr std::string_view kOthers{"\0\x05\x07\n\r !#$&'()+,-./:=?", 22};
    return kOthers.find(static_cast<char>(b)) != std::string_view::npos;
}

} // namespace

std::string callTextOf(const Bytes& followOn) {
    std::string sign;
    for (auto b : followOn) {
        if (b == 0 || b >= 0x80) break;
        sign += static_cast<char>(b);
    }
    return sign;
}

void LinkPlay::addFailCall(const std::string& sign) {
    failCalls_.insert(upper(sign));
}

std::vector<Report> LinkPlay::onCommand(std::uint8_t code, const Bytes& text, Millis now) {
    const std::string sign = textOf(text);
    switch (code) {
    case cmd::QuoralCallRobust:
    case cmd::QuoralCallNormal: call({status::Linked, callText(sign)}, sign, now); break;
    case cmd::QuoralAnswerCq:
        call({status::Linked, callText(lastCqSign_)}, lastCqSign_, now);
        break;
    case cmd::AmtorCall476: call({status::Amtor476Link, {0x00}}, sign, now); break;
    case cmd::AmtorCall625: call({status::Amtor625Link, callText(sign)}, sign, now); break;
    case cmd::PmodeCallShort:
    case cmd::PmodeCallLong: call({status::PmodeLink, callText(sign)}, sign, now); break;
    case cmd::QuoralCq: {
        Report calling{status::CqEvent, {kCqEventCalling}};
        observe(calling);
        return {calling};
    }
    case cmd::QuoralBroadcast:
    case cmd::PmodeUnproto:
        state_ = State::Broadcast;
        amtorBroadcast_ = false;
        break;
    case cmd::AmtorSfec:
    case cmd::AmtorFec:
    case cmd::AmtorCfec:
        state_ = State::Broadcast;
        amtorBroadcast_ = true;
        break;
    case cmd::ListenOn: listening_ = true; break;
    case cmd::ListenOff: listening_ = false; break;
    case cmd::Disconnect: return endLink();
    case cmd::HostShutdown:
        pending_.reset();
        state_ = State::Idle;
        break;
    case cmd::ModeQuoral: mode_ = Mode::Quoral; break;
    case cmd::ModeAmtor: mode_ = Mode::Amtor; break;
    case cmd::ModePmode: mode_ = Mode::Pmode; break;
    case cmd::ModeBaudot: mode_ = Mode::Baudot; break;
    case cmd::ModeAscii: mode_ = Mode::Ascii; break;
    default: break;
    }
    return {};
}

std::vector<Report> LinkPlay::onPanic() {
    return endLink();
}

std::vector<Report> LinkPlay::due(Millis now) {
    if (!pending_ || pending_->at > now) return {};
    Report report = pending_->report;
    pending_.reset();
    observe(report);
    return {report};
}

std::optional<Millis> LinkPlay::nextDue() const {
    if (!pending_) return std::nullopt;
    return pending_->at;
}

void LinkPlay::observe(const Report& report) {
    switch (report.code) {
    case status::Linked:
    case status::Amtor476Link:
    case status::Amtor625Link:
    case status::PmodeLink: state_ = State::Linked; break;
    case status::Disconnected:
    case status::LinkFailed:
        pending_.reset();
        state_ = State::Idle;
        break;
    case status::StateEvent:
        if (report.followOn.empty()) break;
        if (report.followOn[0] == state_event::Standby ||
            report.followOn[0] == state_event::StandbyListening ||
            report.followOn[0] == state_event::StandbyIdle) {
            if (state_ == State::Broadcast) state_ = State::Idle;
        }
        break;
    case status::CqFrom: lastCqSign_ = callTextOf(report.followOn); break;
    case status::CqEvent:
        if (report.followOn.empty()) break;
        if (report.followOn[0] == kCqEventCalling) state_ = State::CallingCq;
        if (report.followOn[0] == kCqEventEnded && state_ == State::CallingCq) state_ = State::Idle;
        break;
    default: break;
    }
}

bool LinkPlay::onAir() const {
    return state_ == State::Linked || state_ == State::Broadcast || mode_ == Mode::Baudot ||
           mode_ == Mode::Ascii;
}

bool LinkPlay::canSend(std::uint8_t b) const {
    if (mode_ == Mode::Amtor || mode_ == Mode::Baudot) return fiveUnitCharacter(b);
    return true;
}

void LinkPlay::call(Report success, const std::string& sign, Millis now) {
    Report outcome =
        failCalls_.count(upper(sign)) != 0 ? Report{status::LinkFailed, {0x00}} : success;
    pending_ = Pending{now + callDelay_, std::move(outcome)};
    state_ = State::Calling;
}

std::vector<Report> LinkPlay::endLink() {
    if (state_ == State::Idle && !pending_) return {};
    Report standby = standbyReport();
    observe(standby);
    return {standby};
}

Report LinkPlay::standbyReport() const {
    if (state_ == State::Broadcast && amtorBroadcast_)
        return {status::StateEvent,
                {listening_ ? state_event::StandbyListening : state_event::Standby}};
    return {status::Disconnected, {0x00}};
}

} // namespace modara_sim
