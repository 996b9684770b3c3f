#include "transfer/InBandHandler.h"

#include "platform/Clock.h"
#include "serial/RxQueue.h"

namespace orvane {

void InBandHandler::handle() {
    parser_.begin();
    while (parser_.active()) {
        const auto item = queue_.dequeue();
        if (!item) {
            if (!statuses_.routingActive()) return;
            clock_.processEvents();
            clock_.delay(1);
            continue;
        }
        if (parser_.feed(*item) == InBandParser::Step::Status)
            statuses_.dispatchInBandStatus(parser_.statusCode());
    }
}

} // namespace orvane
