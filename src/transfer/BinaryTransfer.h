#pragma once

#include "operations/BinaryTransferGuard.h"
#include "transfer/BinaryReceiver.h"
#include "transfer/BinarySender.h"
#include "transfer/InBandParser.h"

namespace orvane {

class EchoCounter;
class ExpansionRunner;
class FaxReportHandler;
struct RoutingFlags;

// One console's binary transfers, both ways (only one runs at a time): takes
// what the in-band parser reads, feeds the transmit pump's data phase, and
// answers the panel's abort button and Stop disk save/send.
class BinaryTransfer final : public InBandEvents, public BinaryTransferGuard {
public:
    // What the sender sends is counted in `echoes`; a received file is expanded
    // by `expansion`.
    BinaryTransfer(const TransferContext& context, EchoCounter& echoes, ExpansionRunner& expansion,
                   RoutingFlags& routing, FaxReportHandler& fax);

    BinarySender& sender() { return sender_; }
    BinaryReceiver& receiver() { return receiver_; }
    // The routing's sink for received data bytes.
    BinaryReceiveSink& receiveSink() { return receiver_; }

    // The files the operator chose to send.
    void sendFiles(std::vector<std::filesystem::path> files) { sender_.start(std::move(files)); }

    // What the transmit pump asks: held while a header awaits its reply; the
    // data phase, one sender pass per pump pass; a send under way.
    bool holdsPump() const { return sender_.ReadyWait(); }
    bool dataPhaseActive() const { return sender_.BinaryPumpActive(); }
    void pumpPass() { sender_.dataPhasePass(); }
    bool sendActive() const { return sender_.BinarySendActive() || sender_.BinaryPumpActive(); }
    // BinaryTransferGuard: either way, from the header to the result.
    bool binaryTransferInProgress() const override { return anyActive(); }
    bool anyActive() const;

    void butXferAbortClick();
    // Stop disk save/send: both sides end at once, nothing is sent.
    void stop();

    // InBandEvents
    bool transferCodesEnabled() const override;
    bool awaitingReady() const override { return sender_.ReadyWait(); }
    void headerReceived(const FileHeader& header) override { receiver_.headerReceived(header); }
    void headerOverlong() override { receiver_.headerOverlong(); }
    void readyReceived(const std::string& offsetText) override;
    void codeReceived(std::uint8_t code) override;
    void faxReceived(const FaxReport& report) override;

private:
    TransferContext c_;
    RoutingFlags& routing_;
    FaxReportHandler& fax_;
    BinarySender sender_;
    BinaryReceiver receiver_;
};

} // namespace orvane
