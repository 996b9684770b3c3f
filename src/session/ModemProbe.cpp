#include "session/ModemProbe.h"

#include "protocol/CommandBuilders.h"
#include "sequence/SequenceRunner.h"
#include "serial/ModemPort.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"

namespace orvane {
namespace {

// The query goes straight to the port: the transmit queue still holds what
// waits for the modem, and none of it may reach another device.
bool writeAll(ModemPort& port, std::span<const std::uint8_t> bytes) {
    for (int tries = 0; tries < 3 && !bytes.empty(); ++tries) {
        const PortWriter::Outcome outcome = port.write(bytes);
        if (outcome.failed) return false;
        bytes = bytes.subspan(outcome.written);
    }
    return bytes.empty();
}

// Reads the items as they come: the query's code, then its two reply bytes.
class IdentityReply {
public:
    explicit IdentityReply(RxQueue& rx) : rx_(rx) {}
    bool complete() {
        while (const auto item = rx_.dequeue()) {
            if (replyBytes_ < 0) {
                if (*item == (RxQueue::kStatusFlag | codeByte(CommandCode::QUERY_ID)))
                    replyBytes_ = 0;
            } else if (++replyBytes_ == 2) {
                return true;
            }
        }
        return false;
    }

private:
    RxQueue& rx_;
    int replyBytes_ = -1; // the code has not come yet
};

} // namespace

Task<bool> ModemProbe::answers(ModemPort& port) {
    const bool wasPaused = routing_.RoutingPaused.exchange(true);
    IdentityReply reply(rx_);
    bool answered = false;
    if (writeAll(port, command(CommandCode::QUERY_ID).bytes()))
        answered = co_await runner_.until([&reply] { return reply.complete(); }, kAnswerLimitMs);
    routing_.RoutingPaused = wasPaused;
    co_return answered;
}

} // namespace orvane
