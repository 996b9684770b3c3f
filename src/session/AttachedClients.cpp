#include "session/AttachedClients.h"

#include "modes/TerminalModeState.h"

namespace orvane {

void AttachedClients::attach(SessionClients& clients) {
    clients_ = &clients;
    text_ = &clients.receivedText();
    binaryFile_ = &clients.binaryReceiveFile();
}

void AttachedClients::stopTextFileSend() {
    if (clients_) clients_->stopTextFileSend();
}

// A failed link ends every activity that holds a file open, so that nothing
// writes to a closed file afterwards.
void AttachedClients::closeFileActivities() {
    if (clients_) clients_->closeFileActivities();
}

void AttachedClients::setEndOfLine(const std::string& word, EndOfLineWords accepted) {
    applyEndOfLine(terminal_, word, accepted);
}

} // namespace orvane
