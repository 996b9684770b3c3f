#pragma once

#include "operations/OperationContext.h"

namespace orvane {

class Broadcasts;
class ConsoleActivities;
class EchoCounter;
class FaxAbortMark;
class FileActivity;
class TransmitPump;

// Ending a link: Disconnect, which lets typed text go first, and Panic,
// which drops everything and resets the modem's link at once.
class LinkEnd {
public:
    // `statistics`: the statistics log, which Panic ends with the files.
    LinkEnd(const OperationContext& context, TransmitPump& pump, EchoCounter& echoes,
            ConsoleActivities& activities, FileActivity& statistics, Broadcasts& broadcasts,
            FaxAbortMark& fax)
        : ctx_(context), pump_(pump), echoes_(echoes), activities_(activities),
          statistics_(statistics), broadcasts_(broadcasts), fax_(fax) {}

    void butDisconnectClick();
    void butPanicClick();
    void panicReset();

private:
    void insertDisconnectText();

    OperationContext ctx_;
    TransmitPump& pump_;
    EchoCounter& echoes_;
    ConsoleActivities& activities_;
    FileActivity& statistics_;
    Broadcasts& broadcasts_;
    FaxAbortMark& fax_;
};

} // namespace orvane
