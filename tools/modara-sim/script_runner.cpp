#include "script_runner.h"

#include <algorithm>

namespace modara_sim {

ScriptRunner::ScriptRunner(Modem& modem, SimulatorControl& simulator, Modem::LogSink log)
    : modem_(modem), simulator_(simulator), log_(std::move(log)) {}

void ScriptRunner::add(ScriptCommand command) {
    if (command.kind != ScriptCommand::Kind::Fax) {
        queue_.push_back(std::move(command));
        return;
    }
    // A FAX run is its reports as data, each after its pause.
    for (FaxReport& report : faxReports(command.fax)) {
        if (report.delay > 0) {
            ScriptCommand pause;
            pause.kind = ScriptCommand::Kind::Sleep;
            pause.millis = report.delay;
            queue_.push_back(std::move(pause));
        }
        ScriptCommand text;
        text.kind = ScriptCommand::Kind::Text;
        text.bytes = std::move(report.data);
        queue_.push_back(std::move(text));
    }
}

void ScriptRunner::onReceived(const std::uint8_t* data, std::size_t size) {
    if (frontStarted_ && queue_.front().kind == ScriptCommand::Kind::WaitRx)
        receivedSinceStart_.insert(receivedSinceStart_.end(), data, data + size);
}

void ScriptRunner::run(Millis now) {
    while (!queue_.empty()) {
        if (!frontStarted_) {
            frontStarted_ = true;
            frontStartedAt_ = now;
            receivedSinceStart_.clear();
        }
        if (!step(queue_.front(), now)) return;
        frontStarted_ = false;
        if (!queue_.empty()) queue_.pop_front();
    }
}

std::optional<Millis> ScriptRunner::nextDue() const {
    if (queue_.empty() || !frontStarted_) return std::nullopt;
    const auto& front = queue_.front();
    if (front.kind == ScriptCommand::Kind::Sleep) return frontStartedAt_ + front.millis;
    if (front.kind == ScriptCommand::Kind::WaitRx) return frontStartedAt_ + kWaitRxLimit;
    return std::nullopt;
}

bool ScriptRunner::step(const ScriptCommand& command, Millis now) {
    using Kind = ScriptCommand::Kind;
    switch (command.kind) {
    case Kind::Status: modem_.sendStatus({command.code, command.bytes}); return true;
    case Kind::Text: modem_.sendData(command.bytes); return true;
    case Kind::ModemBytes: modem_.sendModemBytes(command.bytes); return true;
    case Kind::Raw: modem_.sendRaw(command.bytes); return true;
    case Kind::Sleep: return now - frontStartedAt_ >= command.millis;
    case Kind::WaitRx: {
        auto& seen = receivedSinceStart_;
        if (std::search(seen.begin(), seen.end(), command.bytes.begin(), command.bytes.end()) !=
            seen.end())
            return true;
        if (now - frontStartedAt_ < kWaitRxLimit) return false;
        log_("# wait-rx " + formatHex(command.bytes) + " timed out");
        return true;
    }
    case Kind::StatsOn: modem_.setStatistics(command.millis, now); return true;
    case Kind::StatsOff: modem_.setStatistics(std::nullopt, now); return true;
    case Kind::CqOn: modem_.setCq(command.millis, command.word, now); return true;
    case Kind::CqOff: modem_.setCq(std::nullopt, {}, now); return true;
    case Kind::Reply: modem_.queueReply(command.bytes); return true;
    case Kind::AutoReplyOn:
    case Kind::AutoReplyOff: modem_.setAutoAnswer(command.kind == Kind::AutoReplyOn); return true;
    case Kind::FailCall: modem_.addFailCall(command.word); return true;
    case Kind::Identity: {
        std::string error = modem_.setIdentity(command.word, command.value);
        if (!error.empty()) log_("# identity: " + error);
        return true;
    }
    case Kind::Fax: // unfolded by add()
        return true;
    case Kind::PtyClose: simulator_.closePty(); return true;
    case Kind::PtyNew: simulator_.newPty(); return true;
    case Kind::Quit:
        queue_.clear();
        simulator_.quit();
        return true;
    }
    return true;
}

} // namespace modara_sim
