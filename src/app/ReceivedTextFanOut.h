#pragma once

#include "serial/ReceivedTextSink.h"

namespace orvane {

class ReceivePane;
class ReceiveSaving;
class SessionLog;
class Transcript;

// The received text's one way out: the receive pane shows it, the transcript
// copies what the pane shows, the session log keeps what came from the other
// station, and the capture file takes every byte while a capture runs.
class ReceivedTextFanOut final : public ReceivedTextSink {
public:
    ReceivedTextFanOut(ReceivePane& pane, Transcript& transcript, SessionLog& log,
                       ReceiveSaving& saving)
        : pane_(pane), transcript_(transcript), log_(log), saving_(saving) {}

    void showReceived(char c) override;
    void showEcho(char c) override;
    void captureChar(std::uint8_t c) override;

private:
    ReceivePane& pane_;
    Transcript& transcript_;
    SessionLog& log_;
    ReceiveSaving& saving_;
};

} // namespace orvane
