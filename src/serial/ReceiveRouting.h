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

// The handlers on the user-interface thread. The routing thread routes a
// burst of items there, each handled before the next is taken, and takes no
// further item until the burst has ended. A handler that needs the items
// after its own awaits them through the RxQueue's followOns().
class ReceiveDelivery {
public:
    virtual ~ReceiveDelivery() = default;
    virtual void deliverStatus(std::uint8_t code) = 0;
    virtual void deliverInBand(std::uint8_t byte) = 0;
    virtual void deliverReceivedChar(std::uint8_t byte) = 0;

    // Has `burst` run on the handlers' thread, later, without waiting for
    // it; the routing thread waits itself, so that it can take a burst back
    // that has not begun when it is told to stop or suspend. The default runs
    // it right here.
    virtual void post(std::function<void()> burst) { burst(); }
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
