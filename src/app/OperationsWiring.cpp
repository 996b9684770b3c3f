#include "app/OperationsWiring.h"

#include "app/ConsoleWindows.h"
#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "ui/main/MainWindow.h"
#include "ui/monitor/MonitorWindows.h"
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
                                   Broadcasts& broadcasts, const TransferHooks& transfers)
    : ownCall_(state.settings, services.prompter) {
    MainWindow& window = windows.mainWindow();
    QPlainTextEdit& pane = *window.transmitPane();
    ModemLine& line = session.line();
    txPane_ = std::make_unique<TransmitPaneEdits>(pane, state.settings);
    pump_ = std::make_unique<TransmitPump>(TransmitPump::Parts{
        *txPane_, state.link, state.terminal, session.echoes(), line, transfers.senders});
    holdNotice_ = std::make_unique<OutputHoldNotice>(services.clock, windows);
    new TransmitKeyFilter(pane, *txPane_, transfers.senders, services.sound);
    line.addEmptyListener(*this);

    callPanel_ = new CallPanel(&window);
    hereIs_ = new HereIsPanel(&window);
    const OperationContext& context = context_.emplace(OperationContext{
        state.settings, state.configChanged, state.link, windows.surface(), line, *txPane_});
    SupervisionTimers& timers = session.status().timers();
    calls_ = std::make_unique<ArqCalls>(context, ownCall_, state.terminal, services.prompter,
                                        *callPanel_, window, windows.receivePane());
    turns_ = std::make_unique<TurnTaking>(context, state.terminal, timers);
    linkEnd_ = std::make_unique<LinkEnd>(context, timers, session.echoes(), session.activities(),
                                         windows.monitors().recorder(), broadcasts, transfers.fax);
    messages_ = std::make_unique<CqAndMessages>(context, ownCall_, timers, transfers.guard,
                                                MessageFiles(session.directories().msg()), *hereIs_,
                                                window);
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
