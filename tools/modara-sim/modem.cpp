#include "modem.h"

#include "command_table.h"
#include "status_table.h"

namespace modara_sim {

namespace {

std::string describe(const HostItem& item) {
    std::string line =
        item.info != nullptr ? std::string(item.info->name) : "UNKNOWN " + formatHex(&item.byte, 1);
    if (item.info != nullptr && item.info->kind == ParamKind::Text)
        line += " \"" + escapeText(item.params) + "\"";
    else if (!item.params.empty())
        line += " " + formatHex(item.params);
    if (!item.complete) line += " (cut short)";
    return line;
}

std::string describe(const Report& report) {
    const StatusInfo* info = findStatus(report.code);
    std::string line = info != nullptr ? std::string(info->name) : formatHex(&report.code, 1);
    if (!report.followOn.empty()) line += " " + formatHex(report.followOn);
    return line;
}

} // namespace

Modem::Modem(ModemSettings settings, LogSink log)
    : settings_(std::move(settings)), log_(std::move(log)), link_(settings_.callDelay) {
    for (const auto& sign : settings_.failCalls)
        link_.addFailCall(sign);
    encoder_.setStrayFlowBytes(settings_.strayFlowBytes);
    loader_.setEraseFails(settings_.firmwareEraseFails);
    loader_.setResult(settings_.firmwareResult);
    loader_.setStall(settings_.firmwareStall);
    updateFlowEscaping();
}

void Modem::receive(const std::uint8_t* data, std::size_t size, Millis now) {
    std::vector<HostItem> items;
    for (std::size_t i = 0; i < size; ++i) {
        if (loader_.takingImage()) {
            loader_.imageByte(now);
            continue;
        }
        items.clear();
        parser_.feed(data[i], items);
        for (const auto& item : items)
            handle(item, now);
    }
    flushData();
}

void Modem::tick(Millis now) {
    for (const auto& report : link_.due(now)) {
        sendStatus(report);
        // The station that called sends first.
        if (link_.state() == LinkPlay::State::Linked)
            sendStatus({status::StateEvent, {OperatorPlay::kIss}});
    }
    for (const auto& report : periodic_.due(now))
        sendStatus(report);
    const LoaderOutput loader = loader_.due(now);
    if (loader.imageEnded) {
        const std::uint8_t result = loader_.result();
        log_("# firmware image of " + std::to_string(loader_.imageSize()) +
             " bytes received, result " + formatHex(&result, 1));
    }
    encoder_.raw(loader.bytes);
}

std::optional<Millis> Modem::nextDue() const {
    std::optional<Millis> next;
    for (auto due : {link_.nextDue(), periodic_.nextDue(), loader_.nextDue()})
        if (due && (!next || *due < *next)) next = due;
    return next;
}

void Modem::handle(const HostItem& item, Millis now) {
    switch (item.kind) {
    case HostItem::Kind::Data:
        received_.push_back(item.byte);
        if (link_.onAir() && link_.canSend(item.byte)) {
            echo_.push_back(item.byte);
            if (link_.state() == LinkPlay::State::Linked && operator_.hear(item.byte))
                answers_.push_back(operator_.takeAnswer());
        }
        return;
    case HostItem::Kind::Begun:
        if (item.byte == cmd::FwErase) {
            flushData();
            answerLoader(LoaderStep::Erase, loader_.onEraseBegun(), now);
        }
        return;
    case HostItem::Kind::Panic:
        flushData();
        log_("# PANIC");
        for (const auto& report : link_.onPanic())
            sendStatus(report);
        return;
    case HostItem::Kind::Command:
        flushData();
        log_("# " + describe(item));
        handleCommand(item, now);
        return;
    }
}

void Modem::handleCommand(const HostItem& item, Millis now) {
    if (findQuery(item.byte) != nullptr) {
        answerQuery(item.byte);
        return;
    }
    switch (item.byte) {
    case cmd::ModeFskPrep:
        // Answered in status form: the firmware loader waits for this byte, and everywhere
        // else the console ignores a status it does not know.
        if (!loader_.answer(LoaderStep::Prep, {0x80, cmd::ModeFskPrep}, now).empty())
            encoder_.status(cmd::ModeFskPrep);
        else
            logHeldBack(LoaderStep::Prep);
        break;
    case cmd::FwLoadStart: answerLoader(LoaderStep::Start, loader_.onLoadStart(), now); return;
    case cmd::FwErase:
        if (item.complete)
            answerLoader(LoaderStep::Type, loader_.onEraseType(item.params.at(0), now), now);
        return;
    case cmd::SetMycall:
        if (item.complete) myCall_.assign(item.params.begin(), item.params.end());
        break;
    case cmd::ForcedOver:
        // The other station hands the turn back at once.
        if (link_.state() == LinkPlay::State::Linked)
            sendStatus({status::StateEvent, {OperatorPlay::kIss}});
        return;
    default: break;
    }
    for (const auto& report : link_.onCommand(item.byte, item.params, now))
        sendStatus(report);
}

void Modem::answerLoader(LoaderStep step, const Bytes& answer, Millis now) {
    if (answer.empty()) return;
    const Bytes onLine = loader_.answer(step, answer, now);
    if (onLine.empty()) logHeldBack(step);
    encoder_.raw(onLine);
}

void Modem::logHeldBack(LoaderStep step) {
    const auto& stall = loader_.stall();
    log_("# firmware loader holds back its " + stepName(step) + " answer" +
         (stall && stall->delay ? " for " + std::to_string(*stall->delay) + " ms" : " for good"));
}

void Modem::answerQuery(std::uint8_t code) {
    if (code == cmd::QuerySelftest) {
        // A new handshake: the console's decoder does not filter flow bytes until it has
        // read the hardware version.
        hardwareToldSinceSelftest_ = false;
        updateFlowEscaping();
    }
    auto reply = replyTo(settings_.identity, code);
    if (!reply) {
        log_("# (silent)");
        return;
    }
    if (settings_.identity.echoAsData)
        encoder_.data(reply->echo);
    else
        encoder_.status(reply->echo);
    encoder_.data(reply->bytes);
    if (code == cmd::QueryProduct) {
        hardwareToldSinceSelftest_ = true;
        updateFlowEscaping();
    }
}

void Modem::flushData() {
    if (received_.empty()) return;
    log_("# DATA \"" + escapeText(received_) + "\"");
    received_.clear();
    if (!echo_.empty()) {
        encoder_.status(status::EchoOn);
        encoder_.data(echo_);
        encoder_.status(status::EchoOff);
        if (air_ != nullptr) air_->transmit({AirFrame::Kind::Data, echo_});
        echo_.clear();
    }
    for (const Bytes& answer : answers_) {
        sendStatus({status::StateEvent, {OperatorPlay::kIrs}});
        log_("# the other operator answers \"" + escapeText(answer) + "\"");
        encoder_.data(answer);
        sendStatus({status::StateEvent, {OperatorPlay::kIss}});
    }
    answers_.clear();
}

void Modem::updateFlowEscaping() {
    encoder_.setFlowEscaping(settings_.identity.usesFlowControl() &&
                             (settings_.flowAlways || hardwareToldSinceSelftest_));
}

void Modem::sendStatus(const Report& report) {
    log_("# > " + describe(report));
    encoder_.status(report.code);
    encoder_.data(report.followOn);
    const bool wasLinked = link_.state() == LinkPlay::State::Linked;
    link_.observe(report);
    if (wasLinked && link_.state() != LinkPlay::State::Linked) operator_.linkEnded();
    if (air_ != nullptr && !reportingFromAir_) tellAir(report);
}

// Our own link reports, as the other station hears them.
void Modem::tellAir(const Report& report) {
    if (report.code == status::Linked)
        air_->transmit({AirFrame::Kind::Linked, Bytes(myCall_.begin(), myCall_.end())});
    else if (report.code == status::Disconnected || report.code == status::LinkFailed)
        air_->transmit({AirFrame::Kind::Ended, {}});
}

void Modem::fromAir(const AirFrame& frame) {
    reportingFromAir_ = true;
    switch (frame.kind) {
    case AirFrame::Kind::Data: encoder_.data(frame.payload); break;
    case AirFrame::Kind::Linked: {
        Bytes call = frame.payload;
        call.push_back(0x00);
        if (link_.state() != LinkPlay::State::Linked) sendStatus({status::Linked, call});
        break;
    }
    case AirFrame::Kind::Ended:
        if (link_.state() == LinkPlay::State::Linked) sendStatus({status::Disconnected, {0x00}});
        break;
    }
    reportingFromAir_ = false;
}

void Modem::queueReply(const Bytes& text) {
    operator_.queueReply(text);
}

void Modem::setAutoAnswer(bool on) {
    operator_.setAutoAnswer(on);
}

void Modem::sendData(const Bytes& bytes) {
    encoder_.data(bytes);
}
void Modem::sendModemBytes(const Bytes& bytes) {
    encoder_.modemBytes(bytes);
}
void Modem::sendRaw(const Bytes& bytes) {
    encoder_.raw(bytes);
}

void Modem::setStatistics(std::optional<Millis> interval, Millis now) {
    periodic_.setStatistics(interval, now);
}

void Modem::setCq(std::optional<Millis> interval, const std::string& sign, Millis now) {
    periodic_.setCq(interval, sign, now);
}

void Modem::addFailCall(const std::string& sign) {
    link_.addFailCall(sign);
}

std::string Modem::setIdentity(const std::string& key, const std::string& value) {
    std::string error = modara_sim::setIdentity(settings_.identity, key, value);
    updateFlowEscaping();
    return error;
}

} // namespace modara_sim
