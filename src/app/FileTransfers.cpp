#include "app/FileTransfers.h"

#include "operations/EchoCountable.h"

#include "app/ConsoleWindows.h"
#include "monitor/ReceiveProgress.h"
#include "platform/Clock.h"
#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "protocol/CommandBuilders.h"
#include "serial/EchoCounter.h"
#include "serial/RoutingFlags.h"
#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "transfer/BinaryTransfer.h"
#include "transfer/ThreadedExpansion.h"
#include "transfer/TransferTiming.h"
#include "transfer/fax/FaxTransferDisplay.h"
#include "transfer/text/TextFileSend.h"
#include "ui/main/MainWindow.h"
#include "ui/transfer/FaxPanelWidgets.h"
#include "ui/transfer/FileXferPanel.h"
#include "ui/transfer/TextFileProgressDialog.h"

#include <QAction>
#include <QDir>
#include <QFrame>

namespace orvane {

FileTransfers::FileTransfers(const ConsoleServices& services, SessionState& state,
                             ModemSession& session, ConsoleWindows& windows,
                             ThroughputState& throughput)
    : services_(services), state_(state), session_(session), windows_(windows),
      panel_(new FileXferPanel(windows.mainWindow())),
      textWindow_(new TextFileProgressDialog(&windows.mainWindow())) {
    MainWindow& window = windows.mainWindow();
    auto* faxFrame = findControl<QFrame>(window, Control::FaxPanel);
    faxPanel_ = std::make_unique<FaxPanelWidgets>(window, *faxFrame, windows.surface());
    ModemLine& line = session.line();
    expansion_ = std::make_unique<ThreadedExpansion>(services.uiThread);
    fax_ = std::make_unique<FaxTransferDisplay>(*faxPanel_, static_cast<FaxConsole&>(*this),
                                                services.clock);
    timing_ = std::make_unique<TransferTiming>(services.clock, throughput, state.settings);
    const TransferContext context{line,
                                  files_,
                                  *panel_,
                                  services.prompter,
                                  *timing_,
                                  session.log(),
                                  services.baseDir,
                                  services.baseDir / "In",
                                  QDir::homePath().toStdString()};
    binary_ = std::make_unique<BinaryTransfer>(context, session.echoes(), *expansion_,
                                               session.routing(), *fax_);
    inBand_ = std::make_unique<InBandHandler>(session.rxQueue().followOns(), *binary_,
                                              static_cast<InBandStatusSink&>(*this));
    text_ = std::make_unique<TextFileSend>(files_, line, session.echoes(),
                                           static_cast<TextFileView&>(*this),
                                           static_cast<TextSendMode&>(*this), session.log());

    connect(panel_, &FileXferPanel::butXferAbortClick, this,
            [this] { binary_->butXferAbortClick(); });
    window.onTriggered(Control::SendBinaryFileItem, [this] { mnuFilesSendBinaryFileClick(); });
    window.onTriggered(Control::SendTextFileItem, [this] { mnuFilesSendtextfileClick(); });
}

FileTransfers::~FileTransfers() = default;

void FileTransfers::handleInBand() {
    inBand_->handle();
}

BinaryReceiveSink& FileTransfers::receiveSink() {
    return binary_->receiveSink();
}

void FileTransfers::mnuFilesSendBinaryFileClick() {
    FileDialogRequest request;
    request.title = "Select File For Binary Transfer ...";
    request.filters = {"Text files (*.txt)", "Executable files (*.exe)", "All files (*)"};
    request.selectedFilter = 2;
    request.mustExist = true;
    const std::vector<std::string> chosen = services_.prompter.openFiles(request);
    if (chosen.empty()) return;
    std::vector<std::filesystem::path> files(chosen.begin(), chosen.end());
    binary_->sendFiles(std::move(files));
}

void FileTransfers::mnuFilesSendtextfileClick() {
    FileDialogRequest request;
    request.title = "Select Text File To Send ...";
    request.startFolder = (services_.baseDir / "Out").string();
    request.filters = {"Text files (*.txt)", "All files (*)"};
    request.selectedFilter = 1;
    request.mustExist = true;
    const std::vector<std::string> chosen = services_.prompter.openFiles(request);
    if (chosen.empty()) return;
    text_->start(chosen.front());
    session_.line().wantIdleReports(); // the text goes out on the queue's empty reports
}

void FileTransfers::stopDiskSaveSend() {
    text_->stop();
    binary_->stop();
    windows_.surface().setTxPaneEditable(true);
}

// FileSenders
bool FileTransfers::binaryHoldsPump() const {
    return binary_->holdsPump();
}
bool FileTransfers::binaryDataPhase() const {
    return binary_->dataPhaseActive();
}
void FileTransfers::binaryPass() {
    binary_->pumpPass();
}
bool FileTransfers::binarySendActive() const {
    return binary_->sendActive();
}
bool FileTransfers::textFileSendActive() const {
    return text_->sendActive();
}
void FileTransfers::textFilePass() {
    text_->pumpPass();
}

bool FileTransfers::anyActive() const {
    return binary_->anyActive() || text_->sendActive();
}

BinaryTransferGuard& FileTransfers::transferGuard() {
    return *binary_;
}
FaxAbortMark& FileTransfers::faxAbortMark() {
    return *fax_;
}

// TransferProgress
bool FileTransfers::binaryReceiveActive() const {
    return binary_->receiver().BinaryReceiveActive();
}
BinaryReceiveCounters FileTransfers::binaryReceiveCounters() const {
    return binary_->receiver().counters();
}
void FileTransfers::setXferBytes(const std::string& text) {
    panel_->setXferBytes(text);
}
void FileTransfers::setXferTime(const std::string& text) {
    panel_->setXferTime(text);
}
void FileTransfers::setXferTput(const std::string& text) {
    panel_->setXferTput(text);
}
void FileTransfers::setXferGauge(std::int64_t position) {
    panel_->setXferGauge(position);
}
void FileTransfers::textFileProgressStep() {
    text_->progressStep();
}
void FileTransfers::binarySendProgressStep() {
    binary_->sender().progressStep();
}

// InBandStatusSink
Task<> FileTransfers::dispatchInBandStatus(std::uint8_t code) {
    return session_.status().inBandDispatcher().handle(code);
}

// FaxConsole
void FileTransfers::setLinkUp(bool up) {
    state_.link.linkUp = up;
}
void FileTransfers::runQuoralSetup() {
    session_.modes().setups().runSetup(OperatingMode::Quoral);
}
void FileTransfers::selectQuoral() {
    session_.modes().codeMenu().mnuCodeQuoralClick();
}

// TextFileView
void FileTransfers::showProgress(const std::string& nameLine, const std::string& sizeLine,
                                 std::int64_t gaugeMax, std::int64_t gaugePos) {
    textWindow_->showFile(QString::fromStdString(nameLine), QString::fromStdString(sizeLine),
                          gaugeMax, gaugePos);
}
void FileTransfers::setGauge(std::int64_t position) {
    textWindow_->setGauge(position);
}
void FileTransfers::hideProgress() {
    textWindow_->hide();
}
void FileTransfers::noteMenus(MenuEvent event) {
    windows_.surface().menus().note(event);
}
void FileTransfers::releaseTransmitPane() {
    windows_.surface().setTxPaneEditable(true);
    windows_.surface().focusTransmitPane();
}

// TextSendMode
bool FileTransfers::countsTowardEcho(std::uint8_t byte) const {
    return orvane::countsTowardEcho(state_.link.operatingMode, byte);
}
OperatingMode FileTransfers::operatingMode() const {
    return state_.link.operatingMode;
}

} // namespace orvane
