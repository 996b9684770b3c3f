#include "app/Console.h"

#include "app/AboutBox.h"
#include "app/ConsolePortHooks.h"
#include "app/DeviceRecovery.h"
#include "app/FileTransfers.h"
#include "app/FirstStartSize.h"
#include "app/HelpWindow.h"
#include "app/IdleReportGate.h"
#include "app/KeyboardWiring.h"
#include "app/MainWindow.h"
#include "app/ModemControl.h"
#include "app/OnAirOperations.h"
#include "app/OperationsWiring.h"
#include "app/PortSession.h"
#include "app/SplashWindow.h"
#include "app/Version.h"
#include "app/WindowPlacement.h"
#include "app/handshake/ModemHandshake.h"
#include "app/loader/FirmwareLoading.h"
#include "config/SettingsFile.h"
#include "config/ui/ConfigurationWindows.h"
#include "config/ui/PaneAppearance.h"
#include "config/ui/TFontForm.h"
#include "config/ui/TForm2.h"
#include "config/ui/TForm3.h"
#include "config/ui/ViewMenu.h"
#include "monitor/ui/MonitorWindows.h"
#include "operations/CallPanel.h"
#include "operations/PumpSources.h"
#include "platform/Clock.h"
#include "platform/ControlObjects.h"
#include "platform/ProcessExit.h"
#include "platform/Prompter.h"
#include "platform/Sound.h"
#include "protocol/CommandBuilders.h"
#include "protocol/CommandCode.h"
#include "protocol/link/OperatingMode.h"
#include "serial/DisplayThread.h"
#include "serial/SerialPort.h"
#include "serial/TransmitThread.h"
#include "terminal/CallSignPopup.h"
#include "terminal/PaneCommands.h"
#include "terminal/ReceivePane.h"
#include "terminal/ReceivePrinting.h"
#include "terminal/keys/KeyboardCommands.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>

namespace orvane {
namespace {

// How long a close waits for the goodbye to the modem to leave.
constexpr int kShutdownSendLimitMs = 1000;

ModemIdentityTexts aboutTexts(const ModemIdentity& identity) {
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    return {q(identity.ProductId),  q(identity.BootVersion), q(identity.HardwareVersion),
            q(identity.LodVersion), q(identity.S28Version),  q(identity.QuoralWaveform)};
}

} // namespace

Console::Console(ConsoleServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), directories_{services_.baseDir},
      traceSave_(wireTrace_, services_.prompter, services_.clock, directories_.base) {
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Orvane"));

    // The main window comes first, hidden until start-up has finished.
    receivePane_ = new ReceivePane;
    mainWindow_ = new MainWindow(receivePane_);
    mainWindow_->setCloseHandler([this] { FormClose(); });
    windows_ = SecondaryWindows::createMonitorWindows(mainWindow_, windows_);

    charHandler_ = std::make_unique<ReceivedCharHandler>(
        *this, routing_, echoes_,
        ReceivedCharHandler::Inputs{[this] { return transfers_ && transfers_->binaryPump().sendActive(); },
                                    [this] { return settings_.EchoEnable; }});
    bridge_.setHandlers({[this](std::uint8_t code) { dispatchStatus(code); },
                         [this](std::uint8_t) { transfers_->handleInBand(); },
                         [this](std::uint8_t c) { charHandler_->handle(c); }});
    display_ = std::make_unique<DisplayThread>(rxQueue_, routing_, bridge_, binaryReceive_);
    echoes_.reset();
    if (QAction* amtor = mainWindow_->action(Control::AmtorItem))
        amtor->setText(QStringLiteral("&TOR"));
    createWorkingDirectories();

    windows_ = SecondaryWindows::createDialogs(mainWindow_, windows_);
    about_ = new AboutBox(mainWindow_);
    splash_ = new SplashWindow;
    help_ = new HelpWindow(QString::fromStdString((directories_.base / "orvane_hotkeys.dat").string()),
                           services_.prompter);

    portHooks_ = std::make_unique<ConsolePortHooks>(*mainWindow_, settings_, configChanged_,
                                                    services_.prompter, directories_.base);
    port_ = std::make_unique<PortSession>(directories_.base, rxQueue_, routing_, services_.clock,
                                          sequences_, services_.prompter, services_.processExit,
                                          *portHooks_);

    receiveSide_ = std::make_unique<ConsoleReceiveSide>(routing_, echoes_, *port_);
    modem_ = std::make_unique<ModemControl>(ModemControl::Environment{
        services_.clock, services_.sound, rxQueue_, *mainWindow_, *windows_.amplitudeTune, *port_,
        settings_, configChanged_,
        StatusSides{supervision_, monitorDisplays_, *receiveSide_, fileActivities_,
                    StatusSettings{settings_.A_EndOfLine, settings_.P_EndOfLine}}});
    portHooks_->setLinkState(modem_->link());
    createConfigurationWindows();
    monitor_ = std::make_unique<MonitorWindows>(
        MonitorWindows::Windows{*mainWindow_, *windows_.quoralStatistics, *windows_.amplitudeTune,
                                *windows_.frequencyTune},
        modem_->status().records(), modem_->link(), settings_, modem_->surface(), services_.clock,
        directories_.base);
    monitorDisplays_.attach(*monitor_);
    firmware_ = std::make_unique<FirmwareLoading>(FirmwareLoading::Parts{
        *port_, *display_, routing_, services_.clock, sequences_, services_.prompter,
        services_.processExit, *mainWindow_, identity_});
    onAir_ = std::make_unique<OnAirOperations>(OnAirOperations::Parts{
        *mainWindow_, modem_->link(), settings_, modem_->commands(), modem_->surface(),
        services_.prompter, *display_, *port_, sequences_});
    createSessionLog();
    transfers_ = std::make_unique<FileTransfers>(FileTransfers::Environment{
        services_.clock, services_.prompter, rxQueue_, routing_, echoes_, *port_, *modem_,
        *mainWindow_, *sessionLog_, directories_.base});
    operations_ = std::make_unique<OperationsWiring>(OperationsWiring::Environment{
        *mainWindow_, *receivePane_, *modem_, *port_, settings_, configChanged_, echoes_, routing_,
        fileActivities_, onAir_->broadcasts(), services_.prompter, services_.sound,
        directories_.msg(),
        TransferHooks{transfers_->binaryPump(), transfers_->textFilePump(),
                      transfers_->transferGuard(), transfers_->faxAbortMark()}});
    windows_.callPanel = &operations_->callPanel();
    modem_->setMessageDirectory(directories_.msg());
    binaryReceive_.setTarget(transfers_->receiveSink());
    new IdleReportGate(*mainWindow_, *mainWindow_->transmitPane(), *port_, *transfers_);
    modem_->clockTick().setTransfers(*transfers_);
    recovery_ = std::make_unique<DeviceRecovery>(*port_, services_.clock, services_.prompter, *modem_,
                                                 settings_);
    port_->setLineLossListener(recovery_.get());
    connectMenus();
    connectPaneCommands();
    modem_->connectCodeMenu();
    monitor_->connectFilesMenu();
    connectSaving();
    connectKeyboard();
    printing_ = std::make_unique<ReceivePrinting>(
        ReceivePrinting::Environment{*receivePane_, *mainWindow_, services_.prompter, services_.clock});
    mainWindow_->onTriggered(Control::PrintReceivedItem,
                             [this] { printing_->mnuFilesPrintContClick(); });
    mainWindow_->onTriggered(Control::PrintSetupItem, [this] { printing_->PrintSetup1Click(); });
}

void Console::createConfigurationWindows() {
    configuration_ = std::make_unique<ConfigurationWindows>(ConfigurationWindows::Environment{
        *mainWindow_, modem_->setups(), services_.prompter, configChanged_, *this, *this,
        directories_.base});
    windows_.configuration = &configuration_->configuration();
    windows_.printSquelch = &configuration_->printSquelch();
    windows_.fontForm = &configuration_->fontForm();
    viewMenu_ = std::make_unique<ViewMenu>(ViewMenu::Environment{
        *mainWindow_, settings_, configChanged_, modem_->surface(), modem_->link(),
        *windows_.amplitudeTune, *windows_.frequencyTune, *windows_.quoralStatistics});
}

bool Console::faxTransferPanelVisible() const {
    const auto* panel = findControl<QWidget>(*mainWindow_, Control::FaxPanel);
    return panel && panel->isVisible();
}

Console::~Console() {
    // The routing thread may be waiting for a delivery; it must end before the
    // windows it delivers to go.
    routing_.RoutingEnabled = false;
    if (display_) display_->stop();
    keyboard_.reset();
    firmware_.reset();
    // The pump serves the transfers: it goes first.
    operations_.reset();
    transfers_.reset();
    onAir_.reset();
    // The serial threads show the line to the session log until they end.
    if (port_) port_->close();
    sessionLog_.reset();
    modem_.reset();
    monitor_.reset();
    port_.reset();
    delete splash_;
    delete help_;
    delete mainWindow_;
}

void Console::createSessionLog() {
    sessionLog_ = std::make_unique<SessionLog>(directories_.base / "Logs", services_.clock,
                                               modem_->link(), services_.prompter);
    // The trace sees the whole line; the log only the text that left the
    // transmit queue (not the firmware loader's image, for one).
    port_->setWireTap(&wireTrace_);
    port_->setTransmitTap(sessionLog_.get());
    sessionLogCommands_ = std::make_unique<SessionLogCommands>(*sessionLog_, services_.prompter,
                                                               documentViewer_, directories_.base);
    if (QAction* keep = mainWindow_->action(Control::SessionLogItem))
        keep->setChecked(sessionLogCommands_->loadSetting());
}

void Console::createWorkingDirectories() {
    for (const std::string& failure : directories_.create())
        services_.prompter.message("Orvane", failure, PromptIcon::None, PromptButtons::Ok);
}

void Console::connectMenus() {
    mainWindow_->onTriggered(Control::AboutItem, [this] { About1Click(); });
    mainWindow_->onTriggered(Control::HotKeysItem, [this] { mnuHelpContentsClick(); });
    mainWindow_->onTriggered(Control::SaveConfigurationItem, [this] { saveconfigClick(); });
    mainWindow_->onTriggered(Control::ConfigurationPagesItem,
                             [this] { configuration_->ConfigurationPages1Click(); });
    mainWindow_->onTriggered(Control::ScreenSettingsItem,
                             [this] { configuration_->mnuConfigureScreenSettingsClick(); });
    auto view = [this](Control item, void (ViewMenu::*handler)()) {
        mainWindow_->onTriggered(item, [this, handler] { (viewMenu_.get()->*handler)(); });
    };
    view(Control::ToolBarItem, &ViewMenu::mnuViewToolBarClick);
    view(Control::StatusBarItem, &ViewMenu::mnuViewStatusBarClick);
    view(Control::AmplitudeTuneItem, &ViewMenu::mnuViewAmpTuneClick);
    view(Control::FrequencyTuneItem, &ViewMenu::mnuViewFreqTuneClick);
    view(Control::QuoralStatisticsItem, &ViewMenu::mnuViewQuoralStatClick);
    view(Control::EchoItem, &ViewMenu::mnuViewEchoDataClick);
    mainWindow_->onTriggered(Control::LoadFirmwareItem,
                             [this] { firmware_->mnuFilesLoadFirmwareClick(); });
    mainWindow_->onTriggered(Control::SaveTraceItem,
                             [this] { traceSave_.mnuHelpSaveTraceClick(); });
    mainWindow_->onTriggered(Control::TodaysLogItem,
                             [this] { sessionLogCommands_->mnuViewTodaysLogClick(); });
    if (QAction* keep = mainWindow_->action(Control::SessionLogItem))
        connect(keep, &QAction::toggled, this,
                [this](bool on) { sessionLogCommands_->mnuViewSessionLogClick(on); });
    if (QAction* exit = mainWindow_->action(Control::ExitItem))
        connect(exit, &QAction::triggered, mainWindow_, &QWidget::close);
}

void Console::connectPaneCommands() {
    paneCommands_ = std::make_unique<PaneCommands>(*receivePane_, *mainWindow_->transmitPane(),
                                                   operations_->sendState());
    paneCommands_->setAfterTransmitCleared([this] {
        // While the modem idles in sync, a cleared line still ends with the
        // end-of-line sequence so the other station's printer moves on.
        const bool syncIdle = settings_.B_SyncIdle == "ON" || settings_.S_SyncIdle == "ON";
        if (!syncIdle || !modem_->link().txActive) return;
        const std::string& eol = modem_->terminal().endOfLineSequence;
        port_->sendText({reinterpret_cast<const std::uint8_t*>(eol.data()), eol.size()});
    });
    auto on = [this](Control item, void (PaneCommands::*handler)()) {
        mainWindow_->onTriggered(item, [this, handler] { (paneCommands_.get()->*handler)(); });
    };
    on(Control::UndoItem, &PaneCommands::Undo1Click);
    on(Control::CutItem, &PaneCommands::Cut1Click);
    on(Control::CopyItem, &PaneCommands::Copy1Click);
    on(Control::PasteItem, &PaneCommands::Paste1Click);
    on(Control::SelectAllItem, &PaneCommands::selectAll1Click);
    on(Control::ClearReceiveItem, &PaneCommands::ClearReceive);
    on(Control::ClearTransmitItem, &PaneCommands::ClearTransmit);
    on(Control::ClearAllItem, &PaneCommands::ClearAll);
    if (auto* edit = findControl<QMenu>(*mainWindow_, Control::EditMenu))
        connect(edit, &QMenu::aboutToShow, this,
                [this] { paneCommands_->Edit1Click(*mainWindow_->action(Control::UndoItem)); });
    callSignPopup_ = new CallSignPopup(*receivePane_);
    callSignPopup_->setCallHandler(
        [this](const QString& call) { operations_->calls().Makecalltothiscallsign1Click(call); });
    AcceptDragsFilter::installOn(*receivePane_);
    AcceptDragsFilter::installOn(*mainWindow_->transmitPane());
}

void Console::start() {
    splash_->show();
    startupTimer_ = services_.clock.createTimer("Timer1", 1);
    startupTimer_->setHandler([this] {
        startupTimer_->stop();
        sequences_.start("start-up", [this]() -> Task<> {
            const bool started = co_await startupSequence();
            if (!started) emit startupAbandoned();
        });
    });
    startupTimer_->start();
}

Task<bool> Console::startupSequence() {
    splash_->logStep(QStringLiteral("Reading Configuration"));
    loadSettings();
    splash_->logOk();

    splash_->logStep(QStringLiteral("Initializing Modem"));
    port_->PortName = settings_.PortName;
    ModemHandshake handshake(*port_, services_.clock, sequences_, services_.prompter,
                             services_.processExit, services_.sound, [this]() -> Task<bool> {
                                 // Back here only when the operator cancelled the file choice.
                                 co_await firmware_->run();
                                 co_return false;
                             });
    bool opened = port_->open();
    HandshakeResult result;
    if (opened) result = co_await handshake.run();
    if (!opened || !result.succeeded()) {
        splash_->hide();
        co_return false;
    }
    identity_ = result.identity;
    settings_.PortName = port_->PortName;
    splash_->logOk();

    splash_->logStep(QStringLiteral("Setting Screen Parameters"));
    modem_->setHardwareVersion(identity_.HardwareVersion);
    configuration_->setVersions({identity_.LodVersion, identity_.S28Version, identity_.BootVersion,
                                 identity_.ProductId, identity_.QuoralWaveform, ORVANE_VERSION_TEXT});
    co_await modem_->setups().commonSetup();
    splash_->logOk();

    for (Control item : {Control::SoundCardTuneItem, Control::Psk31Item, Control::Separator10,
                         Control::Separator11})
        if (QAction* action = mainWindow_->action(item)) action->setVisible(false);

    splash_->logStep(QStringLiteral("Finished"));
    mainWindow_->show();
    splash_->logOk();
    splash_->moveCaretToEnd();
    co_await sequences_.pause(1000);

    showMonitorWindows(layout_, windows_);
    display_->resume();
    modem_->clockTick().start();
    splash_->hide();
    mainWindow_->activateWindow();
    mainWindow_->transmitPane()->setFocus();
    startupFinished_ = true;
    co_return true;
}

void Console::loadSettings() {
    SettingsLoadContext context;
    context.Screen = currentScreenMetrics(windows_);
    LoadedSettings loaded = LoadSettings(settingsFilePath(directories_.base), context);
    if (!loaded.error.empty())
        services_.prompter.message("Orvane", loaded.error, PromptIcon::Exclamation, PromptButtons::Ok);
    settings_ = loaded.settings;
    // A size or place from the file that no screen can show is brought onto one.
    layout_ = clampToScreens(loaded.layout, currentScreenAreas());
    settingsLoaded_ = true;
    LinkState& link = modem_->link();
    link.operatingMode = operatingModeFromValue(settings_.Code).value_or(OperatingMode::Quoral);
    link.savedOperatingMode = link.operatingMode;
    link.listenMode = listenModeFromSetting(settings_.Listen);
    applyScreenLayout(layout_, *mainWindow_, windows_);
    if (!loaded.storedMainSize)
        if (QScreen* screen = QGuiApplication::primaryScreen())
            placeForFirstStart(*mainWindow_, {layout_.MainWidth, layout_.MainHeight},
                               screen->availableGeometry());
    applyDisplaySettings();
    viewMenu_->showChecks();
}

void Console::applyDisplaySettings() {
    applyPaneAppearance(settings_, *receivePane_, *mainWindow_->transmitPane());
    receivePane_->setReceiveColour(colourFromName(settings_.ReceiveTextColor));
    receivePane_->setEchoColour(colourFromName(settings_.EchoTextColor));
}

bool Console::saveSettings() {
    // A close that comes before the settings were read would write the
    // defaults over the operator's file.
    if (!settingsLoaded_) return false;
    if (mainWindow_->isVisible()) layout_ = captureScreenLayout(*mainWindow_, windows_);
    SaveResult saved = SaveSettings(settingsFilePath(directories_.base), settings_, layout_,
                                    identity_.HardwareVersion, configChanged_);
    if (!saved.ok())
        services_.prompter.message("Orvane", saved.error, PromptIcon::Stop, PromptButtons::Ok);
    return saved.ok();
}

void Console::FormClose() {
    if (closed_) return;
    closed_ = true;
    // Nothing queued for the modem goes after the goodbye.
    sequences_.cancelAll();
    port_->setRts(false);
    port_->setDtr(false);
    modem_->status().timers().commandTimer().stop();
    routing_.RoutingEnabled = false;
    routing_.RoutingPaused = true;
    if (TransmitThread* queue = port_->transmitQueue()) {
        queue->clear();
        queue->append(command(CommandCode::HOST_SHUTDOWN).bytes());
    }
    stopTimers();
    saveSettings();
    closing_.start("close", [this] { return sayGoodbye(); });
}

// The goodbye has left once our queue and the driver are empty.
Task<> Console::sayGoodbye() {
    if (TransmitThread* queue = port_->transmitQueue())
        co_await closing_.until([queue] { return queue->length() == 0; }, kShutdownSendLimitMs);
    sessionLog_->close();
    goodbyeSaid_ = true;
    emit closed();
}

void Console::stopTimers() {
    modem_->clockTick().stop();
    modem_->status().timers().stopForExit();
    if (startupTimer_) startupTimer_->stop();
}

void Console::closeAndExit() {
    if (goodbyeSaid_) services_.processExit.exitNow(0);
    connect(this, &Console::closed, this, [this] { services_.processExit.exitNow(0); });
    FormClose();
}

void Console::modemStoppedResponding() {
    modem_->status().timers().commandTimer().stop();
    services_.prompter.message("ERROR!", "Modem has stopped responding!\n\nOrvane will now shut down ...",
                               PromptIcon::Stop, PromptButtons::Ok);
    if (configChanged_.isSet() &&
        services_.prompter.message("Exit", "Configuration has changed. Save it?",
                                   PromptIcon::Question, PromptButtons::OkCancel) == PromptAnswer::Ok)
        saveSettings();
    port_->setRts(false);
    port_->setDtr(false);
    routing_.RoutingPaused = true;
    for (QWidget* window : {static_cast<QWidget*>(windows_.configuration),
                            static_cast<QWidget*>(windows_.printSquelch),
                            static_cast<QWidget*>(about_), static_cast<QWidget*>(windows_.callPanel)})
        if (window && window->isVisible()) window->close();
    mainWindow_->hide();
    sessionLog_->close();
    services_.processExit.exitNow(0);
}

void Console::About1Click() {
    about_->fill(QStringLiteral(ORVANE_VERSION_TEXT), aboutTexts(identity_));
    services_.prompter.runDialog(*about_);
}

void Console::mnuHelpContentsClick() {
    if (help_->isVisible()) return;
    help_->setGeometry(mainWindow_->x() + 10, mainWindow_->y() + 10, mainWindow_->width(),
                       mainWindow_->height());
    help_->show();
}

void Console::saveconfigClick() { saveSettings(); }

void Console::dispatchStatus(std::uint8_t code) { modem_->status().dispatcher().dispatch(code); }

void Console::showReceived(char c) {
    receivePane_->setReceiveColour(colourFromName(settings_.ReceiveTextColor));
    receivePane_->showReceived(c);
    transcript_.write(c);
    sessionLog_->received(c);
}

void Console::showEcho(char c) {
    receivePane_->setEchoColour(colourFromName(settings_.EchoTextColor));
    receivePane_->showEcho(c);
    transcript_.write(c);
}

void Console::captureChar(std::uint8_t c) { receiveSaving_->captureChar(c); }

void Console::connectSaving() {
    receiveSaving_ = std::make_unique<ReceiveSaving>(ReceiveSaving::Parts{
        capture_, services_.prompter, modem_->surface(), modem_->link(), *this});
    receiveSaving_->addFileActivity(*transfers_);
    receiveSaving_->addFileActivity(monitor_->recorder());
    mainWindow_->onTriggered(Control::SaveReceivedItem,
                             [this] { receiveSaving_->mnuFilesSaveRXClick(); });
    mainWindow_->onTriggered(Control::StopSaveSendItem,
                             [this] { receiveSaving_->mnuFilesStopSaveSendClick(); });
}

void Console::connectKeyboard() {
    keyboard_ = std::make_unique<KeyboardWiring>(KeyboardWiring::Environment{
        *mainWindow_, *operations_, *onAir_, *configuration_, *receiveSaving_, *paneCommands_,
        *charHandler_, *this, services_.clock});
}

void Console::queueEndOfLineIfSyncIdle() {
    if (settings_.B_SyncIdle != "ON" && settings_.S_SyncIdle != "ON") return;
    const std::string& eol = modem_->terminal().endOfLineSequence;
    port_->sendText({reinterpret_cast<const std::uint8_t*>(eol.data()), eol.size()});
}

void Console::playSystemDefault() { services_.sound.playSystemDefault(); }

void Console::returnFocus() { mainWindow_->transmitPane()->setFocus(); }

} // namespace orvane
