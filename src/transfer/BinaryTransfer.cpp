#include "transfer/BinaryTransfer.h"

#include "serial/RoutingFlags.h"
#include "transfer/FaxReport.h"
#include "transfer/FileXferView.h"
#include "transfer/TransferLine.h"
#include "transfer/WireEscaping.h"

namespace orvane {

BinaryTransfer::BinaryTransfer(const TransferContext& context, EchoCounter& echoes,
                               ExpansionRunner& expansion, RoutingFlags& routing,
                               FaxReportHandler& fax)
    : c_(context), routing_(routing), fax_(fax), sender_(context, echoes),
      receiver_(context, expansion, routing.BinaryReceiveActive) {}

bool BinaryTransfer::anyActive() const {
    return receiver_.busy() || sender_.BinaryPumpActive() || sender_.BinarySendActive() ||
           sender_.ReadyWait();
}

bool BinaryTransfer::transferCodesEnabled() const {
    return routing_.RoutingEnabled;
}

void BinaryTransfer::readyReceived(const std::string& offsetText) {
    sender_.readyReceived(offsetText);
}

void BinaryTransfer::codeReceived(std::uint8_t code) {
    switch (code) {
    case inband::kByteZero:
    case inband::kByteOne: receiver_.escapedByte(code); break;
    case inband::kExists: sender_.refused(); break;
    case inband::kEndOfFile: receiver_.endOfFile(); break;
    case inband::kComplete: sender_.complete(); break;
    case inband::kFailed: sender_.failed(); break;
    case inband::kCancelled:
        if (!anyActive()) break;
        sender_.cancelled();
        receiver_.cancelled();
        c_.view.hidePanel();
        break;
    default: break; // 0x83, 0x97 and the rest mean nothing to us
    }
}

void BinaryTransfer::faxReceived(const FaxReport& report) {
    fax_.faxReport(report);
}

void BinaryTransfer::butXferAbortClick() {
    const bool running =
        receiver_.BinaryReceiveActive() || sender_.BinaryPumpActive() || sender_.ReadyWait();
    if (running) {
        sender_.abort();
        receiver_.cancelled();
        c_.line.sendBytes(InBandSequence(inband::kCancelled));
    }
    c_.view.hidePanel();
    c_.view.focusTransmitPane();
    c_.line.sendCommand(CommandCode::SW9_ON);
}

void BinaryTransfer::stop() {
    sender_.stop();
    receiver_.stop();
}

} // namespace orvane
