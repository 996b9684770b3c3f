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
    auto on = [this](const char* handlerName, auto handler) {
        connectToolbarHandler(env_.window, QString::fromLatin1(handlerName),
                              [handler](const QString&) { handler(); });
    };
    on("butConnectClick", [this] { calls_->butConnectClick(); });
    on("butDisconnectClick", [this] { linkEnd_->butDisconnectClick(); });
    on("butPanicClick", [this] { linkEnd_->butPanicClick(); });
    on("butOverClick", [this] { turns_->butOverClick(); });
    on("butForcedOverClick", [this] { turns_->butForcedOverClick(); });
    on("butTXEnableClick", [this] { turns_->butTXEnableClick(); });
    on("butNormRevClick", [this] { turns_->butNormRevClick(); });
    on("butMonitorClick", [this] { turns_->butMonitorClick(); });
    on("butRttyRateClick", [this] { turns_->butRttyRateClick(); });
    on("butCallCQClick", [this] { messages_->butCallCQClick(); });
    on("butDeMYClick", [this] { messages_->butDeMYClick(); });
    on("butHISdeMYClick", [this] { messages_->butHISdeMYClick(); });
    on("butMsg0Click", [this] { messages_->butMsg0Click(); });
    on("butMsgPlusClick", [this] { messages_->butMsgPlusClick(); });
    on("butFoxesClick", [this] { messages_->butFoxesClick(); });
}

} // namespace orvane
