#pragma once

#include "sequence/Task.h"

namespace orvane {

class BinaryReceiveSink;
class ReceivedTextSink;

// What the session reaches in the parts built on top of it: the receive
// pane and the capture behind the text sink, the file transfers, the
// firmware loader, the status bar's clock and the operations' dialogs.
// They need the session's line and state, so they come after it and are
// attached once, before start-up.
class SessionClients {
public:
    virtual ~SessionClients() = default;

    virtual ReceivedTextSink& receivedText() = 0;
    // The routing's handler for a data byte 0x01, which starts an in-band sequence.
    virtual void handleInBand() = 0;
    // The file of a binary receive; written from the routing thread.
    virtual BinaryReceiveSink& binaryReceiveFile() = 0;
    // A binary file is on its way out: the modem's echoes of it are not shown.
    virtual bool binarySendActive() = 0;
    // A file goes either way, binary or text: a close would cut it short.
    virtual bool fileTransferRunning() = 0;
    // The transmit pane holds text that has not gone to the modem yet.
    virtual bool unsentText() = 0;

    // Stops a text-file send with its progress display, and a binary
    // transfer with it (the transfers' share of Stop disk save/send).
    virtual void stopTextFileSend() = 0;
    // Ends every activity that holds a file open (capture, save, transfer).
    virtual void closeFileActivities() = 0;

    // The handshake's offer to reload the firmware; returns only when the
    // operator cancelled the file choice (a download ends the program).
    virtual Task<> loadFirmware() = 0;

    // The timers of the parts, started at the end of start-up and stopped by the close.
    virtual void startTimers() = 0;
    virtual void stopTimers() = 0;
    // The modem has stopped responding: their open dialogs close.
    virtual void closeDialogs() = 0;
    // The settings hold no call sign or no port of the station's own: a
    // window says so and asks for them, while the start-up goes on.
    virtual void guideStationSetup() = 0;
};

} // namespace orvane
