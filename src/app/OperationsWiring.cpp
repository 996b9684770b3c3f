#include "app/OperationsWiring.h"

#include "app/ConsoleWindows.h"
#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "ui/main/MainWindow.h"
#include "ui/operations/CallPanel.h"
#include "ui/operations/HereIsPanel.h"
#include "ui/operations/TransmitKeyFilter.h"
#include "ui/surface/ModeToolbars.h"
#include "ui/terminal/ReceivePane.h"
#include "ui/terminal/TransmitPaneEdits.h"

#include <QPlainTextEdit>

namespace orvane {

OperationsWiring::OperationsWiring(const ConsoleServices& services, SessionState& state,
                                   ModemSession& session, ConsoleWindows& windows,
                                   Broadcasts& broadcasts, const TransferHooks& transfers) {
    MainWindow& window = windows.mainWindow();
    QPlainTextEdit& pane = *window.transmitPane();
    ModemLine& line = session.line();
    txPane_ = std::make_unique<TransmitPaneEdits>(pane, state.settings);
    pump_ = std::make_unique<TransmitPump>(
        TransmitPump::Parts{*txPane_, sendState_, state.link, state.terminal, session.echoes(),
                            line, transfers.binary, transfers.textFile});
    holdNotice_ = std::make_unique<OutputHoldNotice>(services.clock, windows);
    new TransmitKeyFilter(pane, *txPane_, *pump_, transfers.binary, services.sound);
    line.addEmptyListener(*this);

    callPanel_ = new CallPanel(&window);
    hereIs_ = new HereIsPanel(&window);
    const OperationContext& context = context_.emplace(OperationContext{
        state.settings, state.configChanged, state.link, state.terminal, windows.surface(),
        session.status().timers(), line, session.routing(), *txPane_, services.prompter, window});
    calls_ = std::make_unique<ArqCalls>(context, *callPanel_, windows.receivePane());
    turns_ = std::make_unique<TurnTaking>(context);
    linkEnd_ = std::make_unique<LinkEnd>(context, *pump_, session.echoes(), session.activities(),
                                         broadcasts, transfers.fax);
    messages_ = std::make_unique<CqAndMessages>(
        context, transfers.guard, MessageFiles(session.directories().msg()), *hereIs_);
    connectToolbars(windows);
}

OperationsWiring::~OperationsWiring() = default;

void OperationsWiring::connectToolbars(ConsoleWindows& windows) {
    // One handler per role; it serves the button of that role on every toolbar.
    auto on = [&windows]<class Owner>(ButtonRole role, std::unique_ptr<Owner>& owner,
                                      void (Owner::*handler)()) {
        connectToolbarButtons(windows.mainWindow(), role,
                              [&owner, handler] { ((*owner).*handler)(); });
    };
    on(ButtonRole::Connect, calls_, &ArqCalls::butConnectClick);
    on(ButtonRole::Disconnect, linkEnd_, &LinkEnd::butDisconnectClick);
    on(ButtonRole::Panic, linkEnd_, &LinkEnd::butPanicClick);
    on(ButtonRole::Over, turns_, &TurnTaking::butOverClick);
    on(ButtonRole::ForcedOver, turns_, &TurnTaking::butForcedOverClick);
    on(ButtonRole::TxEnable, turns_, &TurnTaking::butTXEnableClick);
    on(ButtonRole::NormRev, turns_, &TurnTaking::butNormRevClick);
    on(ButtonRole::Monitor, turns_, &TurnTaking::butMonitorClick);
    on(ButtonRole::RttyRate, turns_, &TurnTaking::butRttyRateClick);
    on(ButtonRole::CallCq, messages_, &CqAndMessages::butCallCQClick);
    on(ButtonRole::DeMy, messages_, &CqAndMessages::butDeMYClick);
    on(ButtonRole::HisDeMy, messages_, &CqAndMessages::butHISdeMYClick);
    on(ButtonRole::Msg0, messages_, &CqAndMessages::butMsg0Click);
    on(ButtonRole::MsgPlus, messages_, &CqAndMessages::butMsgPlusClick);
    on(ButtonRole::Foxes, messages_, &CqAndMessages::butFoxesClick);
}

} // namespace orvane
