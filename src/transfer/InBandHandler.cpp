#include "transfer/InBandHandler.h"

#include "serial/FollowOnItems.h"

namespace orvane {

void InBandHandler::handle() {
    items_.start(readSequence());
}

Task<> InBandHandler::readSequence() {
    parser_.begin();
    while (parser_.active()) {
        const std::int32_t item = co_await items_.next();
        if (parser_.feed(item) == InBandParser::Step::Status)
            co_await statuses_.dispatchInBandStatus(parser_.statusCode());
    }
}

} // namespace orvane
