#pragma once

#include "transfer/FaxReport.h"
#include "transfer/FileHeader.h"

#include <cstdint>
#include <string>

namespace orvane {

// Where the parser hands what it has read, and what it asks before reading on.
class InBandEvents {
public:
    virtual ~InBandEvents() = default;
    // Transfer codes (all but FAX) are acted on only while routing is enabled.
    virtual bool transferCodesEnabled() const = 0;
    // A ready reply's offset is read only while a header awaits it.
    virtual bool awaitingReady() const = 0;

    virtual void headerReceived(const FileHeader& header) = 0;
    // A header that broke its bounds; the rest of it is not read.
    virtual void headerOverlong() = 0;
    virtual void readyReceived(const std::string& offsetText) = 0;
    // Any other code (0x90 to 0x96 and the ignored ones).
    virtual void codeReceived(std::uint8_t code) = 0;
    virtual void faxReceived(const FaxReport& report) = 0;
};

// Reads one in-band sequence, item by item, after its 0x01. Status items met
// before the code, between header fields or in a ready offset are handed back
// to the caller for the in-band status dispatcher; FAX payloads take the low
// byte of every item, whatever its kind.
class InBandParser {
public:
    enum class Step { More, Status, Done };

    // Longest field of a header and longest FAX call sign: a sequence that
    // never ends must not swallow the stream.
    static constexpr std::size_t kLongestField = 260;
    static constexpr std::size_t kLongestCall = 64;

    explicit InBandParser(InBandEvents& events) : events_(events) {}

    // Starts reading after a 0x01.
    void begin();
    bool active() const { return state_ != State::Idle; }
    // One item of the RxQueue (0x8000 | code for a status).
    Step feed(std::int32_t item);
    // The status code of the last Step::Status.
    std::uint8_t statusCode() const { return status_; }

private:
    enum class State { Idle, Code, Header, Ready, FaxCode, FaxCall, FaxProgress };

    Step code(std::uint8_t byte);
    Step headerByte(std::uint8_t byte);
    Step readyByte(std::uint8_t byte);
    Step faxCode(std::uint8_t byte);
    Step faxCallByte(std::uint8_t byte);
    Step faxProgressByte(std::uint8_t byte);
    Step finish();

    InBandEvents& events_;
    State state_ = State::Idle;
    std::uint8_t status_ = 0;
    FileHeader header_;
    int field_ = 0;
    std::string text_;
    FaxReport fax_;
    int faxBytes_ = 0;
};

} // namespace orvane
