#pragma once

#include "operations/OperationContext.h"

namespace orvane {

class Broadcasts;
class ConsoleActivities;
class EchoCounter;
class FaxAbortMark;
class FileActivity;
class SupervisionTimers;

// Ending a link: Disconnect, which lets typed text go first, and Panic,
// which drops everything and resets the modem's link at once. Panic reaches
// every activity that sends: the echoes awaited, the file activities, a
// broadcast and the FAX display.
class LinkEnd {
public:
    // `statistics`: the statistics log, which Panic ends with the files.
    LinkEnd(const OperationContext& context, SupervisionTimers& timers, EchoCounter& echoes,
            ConsoleActivities& activities, FileActivity& statistics, Broadcasts& broadcasts,
            FaxAbortMark& fax)
        : ctx_(context), timers_(timers), echoes_(echoes), activities_(activities),
          statistics_(statistics), broadcasts_(broadcasts), fax_(fax) {}

    void butDisconnectClick();
    void butPanicClick();
    void panicReset();
    // F7: three Z in a row end the link when the pump sends them; an empty
    // pane disconnects at once.
    void endTransmission();

private:
    void insertDisconnectText();

    OperationContext ctx_;
    SupervisionTimers& timers_;
    EchoCounter& echoes_;
    ConsoleActivities& activities_;
    FileActivity& statistics_;
    Broadcasts& broadcasts_;
    FaxAbortMark& fax_;
};

} // namespace orvane
