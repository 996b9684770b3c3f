#include "app/FileTransfers.h"

#include "app/MainWindow.h"
#include "app/ModemControl.h"
#include "app/PortSession.h"
#include "monitor/ReceiveProgress.h"
#include "platform/Clock.h"
#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "protocol/CommandBuilders.h"
#include "serial/EchoCounter.h"
#include "serial/RoutingFlags.h"
#include "transfer/BinaryTransfer.h"
#include "transfer/fax/FaxTransferDisplay.h"
#include "transfer/text/EchoedCharacters.h"
#include "transfer/text/TextFileSend.h"
#include "transfer/ui/FaxPanelWidgets.h"
#include "transfer/ui/FileXferPanel.h"
#include "transfer/ui/TextFileProgressDialog.h"

#include <QAction>
#include <QFrame>

namespace orvane {

FileTransfers::FileTransfers(Environment environment)
    : env_(environment), panel_(new FileXferPanel(env_.window)),
      textWindow_(new TextFileProgressDialog(&env_.window)) {
    auto* faxFrame = findControl<QFrame>(env_.window, Control::FaxPanel);
    faxPanel_ = std::make_unique<FaxPanelWidgets>(env_.window, *faxFrame, env_.modem.surface());
    TransferLine& line = *this;
    fax_ = std::make_unique<FaxTransferDisplay>(*faxPanel_, static_cast<FaxConsole&>(*this),
                                                env_.clock);
    const TransferContext context{line,
                                  files_,
                                  *panel_,
                                  env_.prompter,
                                  env_.clock,
                                  env_.echoes,
                                  env_.modem.clockTick().throughput(),
                                  env_.report,
                                  env_.programDir,
                                  env_.programDir / "In"};
    binary_ = std::make_unique<BinaryTransfer>(context, env_.routing, *fax_);
    inBand_ = std::make_unique<InBandHandler>(env_.queue.followOns(), *binary_,
                                              static_cast<InBandStatusSink&>(*this));
    text_ = std::make_unique<TextFileSend>(files_, line, env_.echoes,
                                           static_cast<TextFileView&>(*this),
                                           static_cast<TextSendMode&>(*this), env_.report);

    connect(&env_.window, &MainWindow::txEmpty, this, [this] { runIfEmpty(); });
    connect(panel_, &FileXferPanel::butXferAbortClick, this,
            [this] { binary_->butXferAbortClick(); });
    env_.window.onTriggered(Control::SendBinaryFileItem, [this] { mnuFilesSendBinaryFileClick(); });
    env_.window.onTriggered(Control::SendTextFileItem, [this] { mnuFilesSendtextfileClick(); });
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
    const std::vector<std::string> chosen = env_.prompter.openFiles(request);
    if (chosen.empty()) return;
    std::vector<std::filesystem::path> files(chosen.begin(), chosen.end());
    binary_->sendFiles(std::move(files));
}

void FileTransfers::mnuFilesSendtextfileClick() {
    FileDialogRequest request;
    request.title = "Select Text File To Send ...";
    request.startFolder = (env_.programDir / "Out").string();
    request.filters = {"Text files (*.txt)", "All files (*)"};
    request.selectedFilter = 1;
    request.mustExist = true;
    const std::vector<std::string> chosen = env_.prompter.openFiles(request);
    if (chosen.empty()) return;
    text_->start(chosen.front());
    env_.port.wantIdleReports(); // the text goes out on the queue's empty reports
}

void FileTransfers::stopDiskSaveSend() {
    text_->stop();
    binary_->stop();
    env_.modem.surface().setTxPaneEditable(true);
}

BinaryPumpSource& FileTransfers::binaryPump() {
    return *binary_;
}
TextFilePumpSource& FileTransfers::textFilePump() {
    return *text_;
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

// TransferLine
void FileTransfers::sendBytes(std::span<const std::uint8_t> bytes) {
    env_.port.sendText(bytes);
}
void FileTransfers::sendCommand(CommandCode code) {
    env_.port.send(command(code));
}
std::size_t FileTransfers::pendingBytes() {
    return static_cast<std::size_t>(std::max(env_.port.pendingOutput(), 0));
}
void FileTransfers::whenEmpty(std::function<void()> then) {
    afterEmpty_ = std::move(then);
    runIfEmpty();
}
void FileTransfers::runIfEmpty() {
    if (!afterEmpty_ || (pendingBytes() > 0 && env_.port.isOpen())) return;
    std::exchange(afterEmpty_, {})();
}

// InBandStatusSink
Task<> FileTransfers::dispatchInBandStatus(std::uint8_t code) {
    return env_.modem.status().inBandDispatcher().handle(code);
}

// FaxConsole
void FileTransfers::setLinkUp(bool up) {
    env_.modem.link().linkUp = up;
}
void FileTransfers::runQuoralSetup() {
    env_.modem.setups().runSetup(OperatingMode::Quoral);
}
void FileTransfers::selectQuoral() {
    env_.modem.codeMenu().mnuCodeQuoralClick();
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
    env_.modem.surface().menus().note(event);
}
void FileTransfers::releaseTransmitPane() {
    env_.modem.surface().setTxPaneEditable(true);
    env_.modem.surface().focusTransmitPane();
}

// TextSendMode
bool FileTransfers::countsTowardEcho(std::uint8_t byte) const {
    return CountsTowardEcho(env_.modem.link().operatingMode, byte);
}
OperatingMode FileTransfers::operatingMode() const {
    return env_.modem.link().operatingMode;
}

} // namespace orvane
