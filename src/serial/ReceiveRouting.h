#pragma once

#include <cstdint>
#include <functional>

namespace orvane {

struct RoutingFlags;

// Where a received item goes.
enum class Route {
    StatusDispatcher, // a status code
    InBandHandler,    // the 0x01 that starts an in-band sequence
    BinaryFile,       // a data byte of the file being received
    Dropped,          // the 0x00 padding of a binary receive
    ReceivedChar,     // everything else
};

Route routeFor(std::int32_t item, const RoutingFlags& flags);

// The handlers on the user-interface thread. The app hands each call over
// synchronously: the routing thread takes no further item before it returns,
// so a handler may take follow-on items from the RxQueue itself.
class ReceiveDelivery {
public:
    virtual ~ReceiveDelivery() = default;
    virtual void deliverStatus(std::uint8_t code) = 0;
    virtual void deliverInBand(std::uint8_t byte) = 0;
    virtual void deliverReceivedChar(std::uint8_t byte) = 0;

    // Runs `burst` on the handlers' thread and returns when it has finished.
    // The routing thread routes a burst of items inside it, each handled
    // before the next is taken, so a burst costs one round trip instead of
    // one per item. The default runs it right here.
    virtual void runOnHandlerThread(const std::function<void()>& burst) { burst(); }
};

// The file of a binary receive. Written straight from the routing thread.
class BinaryReceiveSink {
public:
    virtual ~BinaryReceiveSink() = default;
    // Writes the byte to the receive file and adds 1 to ByteCount. A failed
    // write is not reported.
    virtual void writeByte(std::uint8_t byte) = 0;
};

} // namespace orvane
