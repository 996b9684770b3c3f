#include "app/OperationsWiring.h"

#include "app/MainWindow.h"
#include "app/ModemControl.h"
#include "app/surface/ModeToolbars.h"
#include "operations/CallPanel.h"
#include "operations/HereIsPanel.h"
#include "operations/TransmitKeyFilter.h"

#include <QPlainTextEdit>

namespace orvane {

OperationsWiring::OperationsWiring(Environment environment)
    : env_(std::move(environment)), line_(env_.port) {
    QPlainTextEdit& pane = *env_.window.transmitPane();
    txPane_ = std::make_unique<TransmitPaneText>(pane, env_.settings);
    LinkState& link = env_.modem.link();
    pump_ = std::make_unique<TransmitPump>(TransmitPump::Parts{*txPane_, sendState_, link, env_.modem.terminal(),
                                                               env_.echoes, line_,
                                                               env_.transfers.binary, env_.transfers.textFile});
    new TransmitKeyFilter(pane, *txPane_, *pump_, env_.transfers.binary, env_.sound);
    QObject::connect(&env_.window, &MainWindow::txEmpty, &env_.window,
                     [this] { pump_->TransmitPumpPass(); });

    callPanel_ = new CallPanel(&env_.window);
    hereIs_ = new HereIsPanel(&env_.window);
    const OperationContext& context = context_.emplace(OperationContext{
        env_.settings, env_.configChanged, link, env_.modem.terminal(), env_.modem.surface(),
        env_.modem.status().timers(), line_, env_.routing, *txPane_, env_.prompter, env_.window});
    calls_ = std::make_unique<ArqCalls>(context, *callPanel_, env_.receivePane);
    turns_ = std::make_unique<TurnTaking>(context);
    linkEnd_ = std::make_unique<LinkEnd>(context, *pump_, env_.echoes, env_.activities,
                                        env_.broadcasts, env_.transfers.fax);
    messages_ = std::make_unique<CqAndMessages>(context, env_.transfers.guard, MessageFiles(env_.messageFolder),
                                                *hereIs_);
    connectToolbars();
}

OperationsWiring::~OperationsWiring() = default;

void OperationsWiring::connectToolbars() {
    // One handler per role; it serves the button of that role on every toolbar.
    auto on = [this]<class Owner>(ButtonRole role, std::unique_ptr<Owner>& owner,
                                  void (Owner::*handler)()) {
        connectToolbarButtons(env_.window, role, [&owner, handler] { ((*owner).*handler)(); });
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
