#pragma once

#include "monitor/TransferProgress.h"
#include "operations/FileSenders.h"
#include "platform/FileActivity.h"
#include "serial/ReceiveRouting.h"
#include "transfer/DiskTransferFiles.h"
#include "transfer/InBandHandler.h"
#include "transfer/fax/FaxPanelView.h"
#include "transfer/text/TextFileView.h"

#include <QObject>

#include <filesystem>
#include <memory>

namespace orvane {

class BinaryTransfer;
class BinaryTransferGuard;
class ConsoleWindows;
class FaxAbortMark;
class FaxPanelWidgets;
class FaxTransferDisplay;
class FileXferPanel;
class ModemSession;
class TextFileProgressDialog;
class TextFileSend;
class ThreadedExpansion;
class TransferTiming;
struct ConsoleServices;
struct SessionState;
struct ThroughputState;

// Files between consoles, as the console runs them on the session's line:
// the binary transfer both ways with its panel, the FAX display, the text
// file send with its window, their menu items, and their share of the clock
// tick. The transmit pump serves the senders (FileSenders); the Panic buttons
// reach them through the hooks below.
class FileTransfers final : public QObject,
                            private InBandStatusSink,
                            private FaxConsole,
                            private TextFileView,
                            private TextSendMode,
                            public FileSenders,
                            public TransferProgress,
                            public FileActivity {
    Q_OBJECT
public:
    // `throughput` is the throughput display's memory, shared with the clock tick.
    FileTransfers(const ConsoleServices& services, SessionState& state, ModemSession& session,
                  ConsoleWindows& windows, ThroughputState& throughput);
    ~FileTransfers() override;

    // The routing's handler for a data byte 0x01 (InBandHandler), and its sink for file bytes.
    void handleInBand();
    BinaryReceiveSink& receiveSink();

    void mnuFilesSendBinaryFileClick();
    void mnuFilesSendtextfileClick();
    // The transfers' part of Stop disk save/send: every file closed, every flag cleared.
    void stopDiskSaveSend();
    void stopFileActivity() override { stopDiskSaveSend(); }

    // Whether a binary transfer runs either way (the toolbar texts wait).
    BinaryTransferGuard& transferGuard();
    // The FAX display as the Panic buttons reach it.
    FaxAbortMark& faxAbortMark();
    // A file is being sent or received.
    bool anyActive() const;

    BinaryTransfer& binary() { return *binary_; }

    // FileSenders
    bool binaryHoldsPump() const override;
    bool binaryDataPhase() const override;
    void binaryPass() override;
    bool binarySendActive() const override;
    bool textFileSendActive() const override;
    void textFilePass() override;

    // TransferProgress
    bool binaryReceiveActive() const override;
    BinaryReceiveCounters binaryReceiveCounters() const override;
    void setXferBytes(const std::string& text) override;
    void setXferTime(const std::string& text) override;
    void setXferTput(const std::string& text) override;
    void setXferGauge(std::int64_t position) override;
    void textFileProgressStep() override;
    void binarySendProgressStep() override;

private:
    // InBandStatusSink
    Task<> dispatchInBandStatus(std::uint8_t code) override;
    // FaxConsole
    void setLinkUp(bool up) override;
    void runQuoralSetup() override;
    void selectQuoral() override;
    // TextFileView
    void showProgress(const std::string& nameLine, const std::string& sizeLine,
                      std::int64_t gaugeMax, std::int64_t gaugePos) override;
    void setGauge(std::int64_t position) override;
    void hideProgress() override;
    void noteMenus(MenuEvent event) override;
    void releaseTransmitPane() override;
    // TextSendMode
    bool countsTowardEcho(std::uint8_t byte) const override;
    OperatingMode operatingMode() const override;

    const ConsoleServices& services_;
    SessionState& state_;
    ModemSession& session_;
    ConsoleWindows& windows_;
    DiskTransferFiles files_;
    FileXferPanel* panel_;
    TextFileProgressDialog* textWindow_;
    std::unique_ptr<FaxPanelWidgets> faxPanel_;
    std::unique_ptr<FaxTransferDisplay> fax_;
    std::unique_ptr<TransferTiming> timing_;
    std::unique_ptr<BinaryTransfer> binary_;
    std::unique_ptr<InBandHandler> inBand_;
    std::unique_ptr<TextFileSend> text_;
    // Declared last, so it goes first: an expansion still running ends
    // before the receiver it reports to.
    std::unique_ptr<ThreadedExpansion> expansion_;
};

} // namespace orvane
