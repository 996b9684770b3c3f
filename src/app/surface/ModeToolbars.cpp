#include "app/surface/ModeToolbars.h"

#include "app/surface/ToolbarImages.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QVariant>

#include <initializer_list>

namespace orvane {
namespace {

// Click handlers, named as the console names them.
constexpr const char* kConnect = "butConnectClick";
constexpr const char* kDisconnect = "butDisconnectClick";
constexpr const char* kPanic = "butPanicClick";
constexpr const char* kFec = "butFECClick";
constexpr const char* kOver = "butOverClick";
constexpr const char* kForcedOver = "butForcedOverClick";
constexpr const char* kTxEnable = "butTXEnableClick";
constexpr const char* kNormRev = "butNormRevClick";
constexpr const char* kMonitor = "butMonitorClick";
constexpr const char* kRttyRate = "butRttyRateClick";
constexpr const char* kCallCq = "butCallCQClick";
constexpr const char* kDeMy = "butDeMYClick";
constexpr const char* kHisDeMy = "butHISdeMYClick";
constexpr const char* kMsg0 = "butMsg0Click";
constexpr const char* kMsgPlus = "butMsgPlusClick";
constexpr const char* kFoxes = "butFoxesClick";

constexpr const char* kHandlerProperty = "clickHandler";

constexpr const char* kListenHint = "Toggle monitor mode ON/OFF";
constexpr const char* kSyncIdleHint = "Toggle Sync Idle ON/OFF";

struct Button {
    const char* name; // objectName; nullptr for a separator
    const char* caption = nullptr;
    const char* handler = nullptr;
    bool enabled = true;
    const char* hint = nullptr;
    int image = -1;
};

constexpr Button kSeparator{nullptr};

struct Toolbar {
    const char* name;
    const char* title;
    std::initializer_list<Button> buttons;
};

// Link buttons start as in standby: Disconnect, Panic, Foxes and the OVER
// pair of the ARQ modes come alive with a link; transmit is enabled.
const Toolbar kToolbars[] = {
    {"QORToolBar",
     "Quoral",
     {{"butQORConnect", "Connect", kConnect},
      {"butQORDisconnect", "Disconnect", kDisconnect, false},
      {"butQORPanic", "Panic", kPanic, false},
      kSeparator,
      {"butQORFEC", "BDCST", kFec},
      {"butQORCallCQ", "Call CQ", kCallCq},
      {"butQORMonitor", "Monitor", kMonitor, true, kListenHint},
      kSeparator,
      {"butQORTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {"butQORMsg0", "MSG 0", kMsg0},
      {"butQORMsgPlus", "MSG 1+", kMsgPlus},
      {"butQORdeMY", "de MY", kDeMy},
      {"butQORHisDeMY", "HIS de MY", kHisDeMy},
      {"butQORFoxes", "Foxes", kFoxes, false}}},
    {"AmtorToolBar",
     "AMTOR",
     {{"butAmtorConnect", "Connect", kConnect},
      {"butAmtorDisconnect", "Disconnect", kDisconnect, false},
      {"butAmtorPanic", "Panic", kPanic, false},
      kSeparator,
      {"butAmtorOver", "OVER", kOver, false},
      {"butAmtorForcedOver", "Forced OVER", kForcedOver, false},
      kSeparator,
      {"butAmtorFEC", "Broadcast", kFec},
      {"butAmtorCallCQ", "Call CQ", kCallCq},
      {"butAmtorMonitor", "Monitor", kMonitor, true, kListenHint},
      {"butAmtorNormRev", "NORM", kNormRev, true, nullptr, toolbar_image::Normal},
      kSeparator,
      {"butAmtorTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {"butAmtorHISdeMY", "HIS de MY", kHisDeMy},
      {"butAmtorFoxes", "Foxes", kFoxes, false}}},
    {"PModeToolBar",
     "P-Mode",
     {{"butPModeConnect", "Connect", kConnect},
      {"butPModeDisconnect", "Disconnect", kDisconnect, false},
      {"butPModePanic", "Panic", kPanic, false},
      kSeparator,
      {"butPModeOver", "OVER", kOver, false},
      {"butPModeForcedOver", "Forced OVER", kForcedOver, false},
      kSeparator,
      {"butPModeFEC", "Unproto", kFec},
      {"butPModeCallCQ", "Call CQ", kCallCq},
      {"butPModeMonitor", "Monitor", kMonitor, true, kListenHint},
      kSeparator,
      {"butPModeTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {"butPModeDeMY", "de MY", kDeMy},
      {"butPModeHISdeMY", "HIS de MY", kHisDeMy},
      {"butPModeFoxes", "Foxes", kFoxes, false}}},
    {"BaudotToolBar",
     "Baudot",
     {{"butBaudotConnect", "Call", kConnect},
      {"butBaudotPanic", "Panic", kPanic, false},
      kSeparator,
      {"butBaudotFEC", "LTRS", kFec},
      {"butBaudotRttyRate", "45", kRttyRate},
      {"butBaudotMonitor", "OFF", kMonitor, true, kSyncIdleHint},
      {"butBaudotNormRev", "NORM", kNormRev, true, nullptr, toolbar_image::Normal},
      kSeparator,
      {"butBaudotTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {"butBaudotDeMY", "de MY", kDeMy},
      {"butBaudotHISdeMY", "HIS de MY", kHisDeMy},
      {"butBaudotFoxes", "Foxes", kFoxes}}},
    {"AsciiToolBar",
     "ASCII",
     {{"butAsciiConnect", "Call", kConnect},
      {"butAsciiPanic", "Panic", kPanic, false},
      kSeparator,
      {"butAsciiRttyRate", "110", kRttyRate},
      {"butAsciiMonitor", "OFF", kMonitor, true, kSyncIdleHint},
      {"butAsciiNormRev", "NORM", kNormRev, true, nullptr, toolbar_image::Normal},
      kSeparator,
      {"butAsciiTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {"butAsciiDeMY", "de MY", kDeMy},
      {"butAsciiHISdeMY", "HIS de MY", kHisDeMy},
      {"butAsciiFoxes", "Foxes", kFoxes}}},
    {"PSKToolBar",
     "PSK31",
     {{"butPSKTXEnable", "TX EN ", kTxEnable, true, nullptr, toolbar_image::TxEnabled}}},
};

void addButton(QToolBar& bar, const Button& button) {
    if (!button.name) {
        bar.addSeparator();
        return;
    }
    QAction* action = bar.addAction(QString::fromUtf8(button.caption));
    action->setObjectName(QString::fromLatin1(button.name));
    action->setEnabled(button.enabled);
    if (button.hint) {
        action->setToolTip(QString::fromUtf8(button.hint));
        action->setStatusTip(QString::fromUtf8(button.hint));
    }
    if (button.image >= 0) {
        action->setIcon(toolbarImage(button.image));
        action->setProperty("imageIndex", button.image);
    }
    action->setProperty(kHandlerProperty, QString::fromLatin1(button.handler));
}

} // namespace

void buildModeToolbars(QMainWindow& window) {
    for (const Toolbar& toolbar : kToolbars) {
        auto* bar = new QToolBar(QString::fromUtf8(toolbar.title), &window);
        bar->setObjectName(QString::fromLatin1(toolbar.name));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        // Which toolbar shows is the mode's business, not the context menu's.
        bar->toggleViewAction()->setVisible(false);
        for (const Button& button : toolbar.buttons)
            addButton(*bar, button);
        window.addToolBar(Qt::TopToolBarArea, bar);
        bar->hide();
    }
}

int connectToolbarHandler(QMainWindow& window, const QString& handlerName, ToolbarHandler handler) {
    int connected = 0;
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (action->property(kHandlerProperty).toString() != handlerName) continue;
            QObject::connect(action, &QAction::triggered, action,
                             [handler, name = action->objectName()] { handler(name); });
            ++connected;
        }
    }
    return connected;
}

QAction* toolbarButton(const QMainWindow& window, const QString& name) {
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (action->objectName() == name) return action;
        }
    }
    return nullptr;
}

} // namespace orvane
