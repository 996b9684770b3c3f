#include "app/ConsoleOperations.h"

#include "app/ConsoleWindows.h"
#include "platform/ControlObjects.h"
#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/config/PrintSquelchDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Version.h"
#include "ui/operations/CallPanel.h"
#include "ui/terminal/MenuKeys.h"
#include "ui/terminal/ModeButtonItems.h"
#include "ui/terminal/ReceivePane.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace orvane {

ConsoleOperations::ConsoleOperations(const ConsoleServices& services, SessionState& state,
                                     ModemSession& session, ConsoleWindows& windows)
    : session_(session),
      configuration_({windows.mainWindow(), session.modes().setups(), services.prompter,
                      state.configChanged, session.settingsFile(), windows},
                     {state.identity, ORVANE_VERSION_TEXT, services.baseDir, services.deviceRoots}),
      firmware_(services, state, session, windows.mainWindow()),
      onAir_(services, state, session, windows),
      transfers_(services, state, session, windows, throughput_),
      operations_(services, state, session, windows, onAir_.broadcasts(),
                  {transfers_, transfers_.transferGuard(), transfers_.faxAbortMark()}),
      idleGate_(*windows.mainWindow().transmitPane(), session.line(), transfers_),
      logCommands_(session.log(), services.prompter, windows.logViewer(), services.baseDir),
      traceSave_(session.wireTrace(), services.prompter, services.clock, services.baseDir),
      paneCommands_(windows.receivePane(), *windows.mainWindow().transmitPane(),
                    operations_.sendState()),
      saving_({capture_, services.prompter, windows.surface(), state.link, session.endOfLine()}),
      receivedText_(windows.receivePane(), transcript_, session.log(), saving_),
      tick_(services.clock, windows, transfers_, throughput_),
      keyPanels_(operations_.context(), operations_.calls(), windows.mainWindow(),
                 configuration_.configuration()),
      keyOperations_({operations_.context(), services.clock, session.status().timers(), keyPanels_,
                      session.receivedChars(), session.endOfLine(), operations_.ownCall()}),
      keyboardCommands_(windows.mainWindow(), state.link, *this),
      printing_({windows.receivePane(), windows.mainWindow(), services.prompter, services.clock}),
      portPicker_(services.prompter, services.baseDir, services.deviceRoots),
      // Over the main window, which the end of the start-up brings to the front.
      stationSetup_({operations_.context(), session.settingsFile(), portPicker_, services.prompter,
                     services.baseDir},
                    &windows.mainWindow()) {
    saving_.addFileActivity(transfers_);
    saving_.addFileActivity(windows.monitors().recorder());
    // A transmit line cleared while the modem is on the air still ends.
    paneCommands_.setAfterTransmitCleared([&state, &session] {
        if (state.link.txActive) session.endOfLine().queueEndOfLineIfSyncIdle();
    });
    if (QAction* keep = windows.mainWindow().action(Control::SessionLogItem))
        keep->setChecked(logCommands_.loadSetting());
    connectMenus(windows.mainWindow());
    connectPanes(windows);
    bindMenuKeys(windows.mainWindow(), keyboardCommands_);
    auto* buttonItems = new ModeButtonItems(windows.mainWindow(), state.link);
    buttonItems->add(Control::LinkConnectItem, ButtonRole::Connect);
    buttonItems->add(Control::LinkDisconnectItem, ButtonRole::Disconnect);
    buttonItems->add(Control::LinkCallCqItem, ButtonRole::CallCq);
}

// The routing writes into the transfers' files: it ends before they go.
ConsoleOperations::~ConsoleOperations() {
    session_.detach();
}

bool ConsoleOperations::binarySendActive() {
    return transfers_.binarySendActive();
}

bool ConsoleOperations::unsentText() {
    return operations_.paneText().holdsUnsentText();
}

void ConsoleOperations::closeFileActivities() {
    saving_.captureClosed();
    transfers_.stopDiskSaveSend();
}

void ConsoleOperations::guideStationSetup() {
    stationSetup_.present();
}

void ConsoleOperations::closeDialogs() {
    for (QWidget* window : {static_cast<QWidget*>(&stationSetup_),
                            static_cast<QWidget*>(&configuration_.configuration()),
                            static_cast<QWidget*>(&configuration_.printSquelch()),
                            static_cast<QWidget*>(&operations_.callPanel())})
        if (window->isVisible()) window->close();
}

void ConsoleOperations::runKeyAction(KeyAction action) {
    TurnTaking& turns = operations_.turns();
    CqAndMessages& messages = operations_.messages();
    KeyOperations& keys = keyOperations_;
    switch (action) {
    case KeyAction::HelpRequest:
        // The contents page of the help file; none is configured, so nothing
        // shows. The key list is under "Hot &Keys".
        break;
    case KeyAction::CwIdNow: keys.sendCwIdNow(); break;
    case KeyAction::HereIsMessages: messages.openHereIs(0); break;
    case KeyAction::HereIsMessagesPausingRouting: messages.openHereIsHoldingRouting(); break;
    case KeyAction::PanicReset: operations_.linkEnd().panicReset(); break;
    case KeyAction::TestTones: onAir_.testTones().openFromKey(); break;
    case KeyAction::QuoralCq: messages.queueQuoralCq(); break;
    case KeyAction::TxEnableToggleNoAscii: turns.toggleTxEnabledFromKey(false); break;
    case KeyAction::TxEnableToggle: turns.toggleTxEnabledFromKey(true); break;
    case KeyAction::InsertDate: keys.insertStamp(TimeStamp::Date); break;
    case KeyAction::InsertTimeAndDate: keys.insertStamp(TimeStamp::TimeAndDate); break;
    case KeyAction::InsertTime: keys.insertStamp(TimeStamp::Time); break;
    case KeyAction::InsertDateTimeGroup: keys.insertStamp(TimeStamp::DateTimeGroup); break;
    case KeyAction::SaveRx: saving_.mnuFilesSaveRXClick(); break;
    case KeyAction::StopDiskSaveSend: saving_.mnuFilesStopSaveSendClick(); break;
    case KeyAction::QueueLetters: keys.queueLetters(); break;
    case KeyAction::CwIdToggle: keys.toggleCwId(); break;
    case KeyAction::OwnCallPanel: keyPanels_.openMycallPanel(); break;
    case KeyAction::PolarityToggle: turns.togglePolarityFromKey(); break;
    case KeyAction::PrintSquelch: configuration_.openPrintSquelch(); break;
    case KeyAction::Foxes: messages.butFoxesClick(); break;
    case KeyAction::RateStep: turns.butRttyRateClick(); break;
    case KeyAction::ClearReceive: paneCommands_.ClearReceive(); break;
    case KeyAction::ClearTransmit: keys.clearTransmitPane(); break;
    case KeyAction::MarkConfigChanged: keys.markConfigChanged(); break;
    case KeyAction::InsertLettersShifts: keys.insertLettersShifts(); break;
    case KeyAction::HuffmanToggle: keys.toggleHuffman(); break;
    case KeyAction::BellToggle: keys.toggleBell(); break;
    case KeyAction::InsertCurrencySign: keys.insertCurrencySign(); break;
    case KeyAction::OtherCallPanel: keyPanels_.openHisCallPanel(); break;
    case KeyAction::ForcedOver: turns.forcedOver(); break;
    case KeyAction::AudioChannelPanel: keyPanels_.openAFChannelPanel(); break;
    case KeyAction::PModeTonesPanel: keyPanels_.openPModeTonesPanel(); break;
    case KeyAction::FskTonesPanel: keyPanels_.openFSKTonesPanel(); break;
    case KeyAction::InsertCallExchange: keys.insertCallExchange(); break;
    case KeyAction::InsertOtherCall: keys.insertOtherCall(); break;
    case KeyAction::InsertOwnCall: keys.insertOwnCall(); break;
    case KeyAction::Over: turns.overFromKey(); break;
    case KeyAction::EndOfTransmission: operations_.linkEnd().endTransmission(); break;
    case KeyAction::Nothing: break;
    case KeyAction::CallDialog: operations_.calls().callDialogFromKey(); break;
    }
}

void ConsoleOperations::connectMenus(MainWindow& window) {
    window.onTriggered(Control::SaveConfigurationItem,
                       [this] { session_.settingsFile().saveSettings(); });
    window.onTriggered(Control::ConfigurationPagesItem,
                       [this] { configuration_.openConfiguration(); });
    window.onTriggered(Control::StationSetupItem, [this] { stationSetup_.present(); });
    window.onTriggered(Control::ScreenSettingsItem,
                       [this] { configuration_.mnuConfigureScreenSettingsClick(); });
    window.onTriggered(Control::LoadFirmwareItem,
                       [this] { firmware_.mnuFilesLoadFirmwareClick(); });
    window.onTriggered(Control::SaveTraceItem, [this] { traceSave_.mnuHelpSaveTraceClick(); });
    window.onTriggered(Control::TodaysLogItem, [this] { logCommands_.mnuViewTodaysLogClick(); });
    if (QAction* keep = window.action(Control::SessionLogItem))
        QObject::connect(keep, &QAction::toggled, &window,
                         [this](bool on) { logCommands_.mnuViewSessionLogClick(on); });
    CodeMenu& code = session_.modes().codeMenu();
    auto codeItem = [&window, &code](Control item, void (CodeMenu::*handler)()) {
        window.onTriggered(item, [&code, handler] { (code.*handler)(); });
    };
    codeItem(Control::QuoralItem, &CodeMenu::mnuCodeQuoralClick);
    codeItem(Control::AmtorItem, &CodeMenu::mnuCodeAmtorClick);
    codeItem(Control::PModeItem, &CodeMenu::mnuCodePModeClick);
    codeItem(Control::BaudotItem, &CodeMenu::mnuCodeBaudotClick);
    codeItem(Control::AsciiItem, &CodeMenu::mnuCodeAsciiClick);
    codeItem(Control::Psk31Item, &CodeMenu::mnuCodePSK31Click);
    window.onTriggered(Control::SaveReceivedItem, [this] { saving_.mnuFilesSaveRXClick(); });
    window.onTriggered(Control::StopSaveSendItem, [this] { saving_.mnuFilesStopSaveSendClick(); });
    window.onTriggered(Control::PrintReceivedItem, [this] { printing_.mnuFilesPrintContClick(); });
    window.onTriggered(Control::PrintSetupItem, [this] { printing_.openPrintSetup(); });
}

void ConsoleOperations::connectPanes(ConsoleWindows& windows) {
    MainWindow& window = windows.mainWindow();
    auto on = [this, &window](Control item, void (PaneCommands::*handler)()) {
        window.onTriggered(item, [this, handler] { (paneCommands_.*handler)(); });
    };
    on(Control::UndoItem, &PaneCommands::undo);
    on(Control::CutItem, &PaneCommands::cut);
    on(Control::CopyItem, &PaneCommands::copy);
    on(Control::PasteItem, &PaneCommands::paste);
    on(Control::SelectAllItem, &PaneCommands::selectAll);
    on(Control::ClearReceiveItem, &PaneCommands::ClearReceive);
    on(Control::ClearTransmitItem, &PaneCommands::ClearTransmit);
    on(Control::ClearAllItem, &PaneCommands::ClearAll);
    if (auto* edit = findControl<QMenu>(window, Control::EditMenu))
        QObject::connect(edit, &QMenu::aboutToShow, &window, [this, &window] {
            paneCommands_.editMenuOpening(*window.action(Control::UndoItem));
        });
    auto* callSignPopup = new CallSignPopup(windows.receivePane());
    callSignPopup->setCallHandler(
        [this](const QString& call) { operations_.calls().callDialogForSelection(call); });
    AcceptDragsFilter::installOn(windows.receivePane());
    AcceptDragsFilter::installOn(*window.transmitPane());
}

} // namespace orvane
