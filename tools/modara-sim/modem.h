#pragma once
// The simulated modem: takes the console's bytes, answers queries, plays the link and the
// firmware loader, and produces the bytes it puts on the line.

#include "air_frames.h"
#include "command_parser.h"
#include "firmware_loader.h"
#include "identity.h"
#include "line_encoder.h"
#include "link_play.h"
#include "operator_play.h"
#include "periodic_reports.h"
#include "sim_time.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace modara_sim {

struct ModemSettings {
    Identity identity;
    std::vector<std::string> failCalls;
    bool strayFlowBytes = true;
    // Flow escaping from the first byte instead of from the hardware reply on (see README).
    bool flowAlways = false;
    Millis callDelay = LinkPlay::kDefaultCallDelay;
    bool firmwareEraseFails = false;
    std::uint8_t firmwareResult = FirmwareLoader::kSuccess;
    std::optional<LoaderStall> firmwareStall;
};

class Modem {
public:
    using LogSink = std::function<void(const std::string&)>;

    Modem(ModemSettings settings, LogSink log);

    // Bytes read from the console.
    void receive(const std::uint8_t* data, std::size_t size, Millis now);
    // Runs what has come due: delayed call outcomes, periodic reports, the loader's result.
    void tick(Millis now);
    std::optional<Millis> nextDue() const;

    // What the modem puts on the line, since the last call.
    Bytes takeOutput() { return encoder_.take(); }
    bool hasOutput() const { return !encoder_.empty(); }

    // Script actions.
    void sendStatus(const Report& report);
    void sendData(const Bytes& bytes);
    void sendModemBytes(const Bytes& bytes);
    void sendRaw(const Bytes& bytes);
    void setStatistics(std::optional<Millis> interval, Millis now);
    void setCq(std::optional<Millis> interval, const std::string& sign, Millis now);
    void addFailCall(const std::string& sign);
    // The other operator answers the console's next finished line with this text.
    void queueReply(const Bytes& text);
    // The other operator answers every finished line (demos).
    void setAutoAnswer(bool on);
    std::string setIdentity(const std::string& key, const std::string& value);

    const LinkPlay& link() const { return link_; }

    // Over the air: another simulated modem, which hears what this one transmits and learns
    // when a link between the two begins and ends.
    void setAirPeer(AirPeer* peer) { air_ = peer; }
    void fromAir(const AirFrame& frame);

private:
    void handle(const HostItem& item, Millis now);
    void handleCommand(const HostItem& item, Millis now);
    void answerQuery(std::uint8_t code);
    void answerLoader(LoaderStep step, const Bytes& answer, Millis now);
    void logHeldBack(LoaderStep step);
    void flushData();
    void updateFlowEscaping();

    ModemSettings settings_;
    LogSink log_;
    CommandParser parser_;
    LineEncoder encoder_;
    LinkPlay link_;
    OperatorPlay operator_;
    std::vector<Bytes> answers_; // the other operator's answers, sent after the echo
    PeriodicReports periodic_;
    FirmwareLoader loader_;
    Bytes received_; // console data since the last command, for the log
    Bytes echo_;     // the part of it that goes on the air
    bool hardwareToldSinceSelftest_ = false;
    void tellAir(const Report& report);
    AirPeer* air_ = nullptr;
    std::string myCall_ = "SIM"; // from SET_MYCALL: how the other station knows us
    bool reportingFromAir_ = false;
};

} // namespace modara_sim
