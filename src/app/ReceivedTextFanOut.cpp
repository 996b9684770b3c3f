#include "app/ReceivedTextFanOut.h"

#include "app/Transcript.h"
#include "records/SessionLog.h"
#include "terminal/ReceiveSaving.h"
#include "ui/terminal/ReceivePane.h"

namespace orvane {

void ReceivedTextFanOut::showReceived(char c) {
    pane_.showReceived(c);
    transcript_.write(c);
    log_.received(c);
}

void ReceivedTextFanOut::showEcho(char c) {
    pane_.showEcho(c);
    transcript_.write(c);
}

void ReceivedTextFanOut::captureChar(std::uint8_t c) {
    saving_.captureChar(c);
}

} // namespace orvane
