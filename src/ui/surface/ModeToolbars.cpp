#include "ui/surface/ModeToolbars.h"

#include "platform/ControlObjects.h"
#include "ui/surface/ToolbarImages.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QVariant>

#include <initializer_list>
#include <optional>

namespace orvane {
namespace {

constexpr const char* kRoleProperty = "buttonRole";

constexpr const char* kListenHint = "Toggle monitor mode ON/OFF";
constexpr const char* kSyncIdleHint = "Toggle Sync Idle ON/OFF";

// What each button does, with the key that does the same where there is one.
constexpr const char* kCallHint = "Call another station and open a link (F9)";
constexpr const char* kTextCallHint = "Choose the station to call; the call goes out as text (F9)";
constexpr const char* kDisconnectHint = "End the link (F7 when nothing is left to send)";
constexpr const char* kPanicHint = "Stop transmitting at once and reset the link (Alt+F7)";
constexpr const char* kOverHint = "Hand the turn to the other station (F6)";
constexpr const char* kForcedOverHint = "Take the turn from the other station (Ctrl+F6)";
constexpr const char* kCqHint = "Call CQ: invite any station to call you";
constexpr const char* kTxEnableHint = "Allow or forbid transmitting (F10)";
constexpr const char* kPolarityHint = "Switch between normal and reversed tones (Alt+N)";
constexpr const char* kFskPolarityHint = "Switch between normal and reversed tones (F6 or Alt+N)";
constexpr const char* kRateHint = "Step the baud rate: 45, 50, 57, 75, 100, 110 (Alt+R)";
constexpr const char* kMsg0Hint = "Edit and send message 0 of your Here-is messages (F5)";
constexpr const char* kMsgPlusHint = "Choose one of the Here-is messages 1 to 9 or WRU to send";
constexpr const char* kDeMyHint = "Send \"de\" and your call sign";
constexpr const char* kHisDeMyHint = "Send the other station's call, \"de\" and your call (F2)";
constexpr const char* kFoxesHint = "Send the Foxes test text (Alt+Q)";

struct Button {
    std::optional<Control> control; // none for a separator
    const char* caption = nullptr;
    bool enabled = true;
    const char* hint = nullptr;
    int image = -1;
};

constexpr Button kSeparator{std::nullopt};

struct ToolbarLayout {
    Toolbar toolbar;
    const char* title;
    std::initializer_list<Button> buttons;
};

// Link buttons start as in standby: Disconnect, Panic, Foxes and the OVER
// pair of the ARQ modes come alive with a link; transmit is enabled.
const ToolbarLayout kToolbars[] = {
    {Toolbar::Quoral,
     "Quoral",
     {{Control::QuoralConnect, "Connect", true, kCallHint},
      {Control::QuoralDisconnect, "Disconnect", false, kDisconnectHint},
      {Control::QuoralPanic, "Panic", false, kPanicHint},
      kSeparator,
      {Control::QuoralFec, "BDCST", true, "Broadcast to every station listening, without a link"},
      {Control::QuoralCallCq, "Call CQ", true,
       "Call CQ: invite any station to call you (Alt+F9 sends one CQ)"},
      {Control::QuoralMonitor, "Monitor", true, kListenHint},
      kSeparator,
      {Control::QuoralTxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled},
      kSeparator,
      {Control::QuoralMsg0, "MSG 0", true, kMsg0Hint},
      {Control::QuoralMsgPlus, "MSG 1+", true, kMsgPlusHint},
      {Control::QuoralDeMy, "de MY", true, kDeMyHint},
      {Control::QuoralHisDeMy, "HIS de MY", true, kHisDeMyHint},
      {Control::QuoralFoxes, "Foxes", false, kFoxesHint}}},
    {Toolbar::Amtor,
     "AMTOR",
     {{Control::AmtorConnect, "Connect", true, kCallHint},
      {Control::AmtorDisconnect, "Disconnect", false, kDisconnectHint},
      {Control::AmtorPanic, "Panic", false, kPanicHint},
      kSeparator,
      {Control::AmtorOver, "OVER", false, kOverHint},
      {Control::AmtorForcedOver, "Forced OVER", false, kForcedOverHint},
      kSeparator,
      {Control::AmtorFec, "Broadcast", true,
       "Send an FEC broadcast, or a selective one to a group"},
      {Control::AmtorCallCq, "Call CQ", true, kCqHint},
      {Control::AmtorMonitor, "Monitor", true, kListenHint},
      {Control::AmtorNormRev, "NORM", true, kPolarityHint, toolbar_image::Normal},
      kSeparator,
      {Control::AmtorTxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled},
      kSeparator,
      {Control::AmtorHisDeMy, "HIS de MY", true, kHisDeMyHint},
      {Control::AmtorFoxes, "Foxes", false, kFoxesHint}}},
    {Toolbar::PMode,
     "P-Mode",
     {{Control::PModeConnect, "Connect", true, kCallHint},
      {Control::PModeDisconnect, "Disconnect", false, kDisconnectHint},
      {Control::PModePanic, "Panic", false, kPanicHint},
      kSeparator,
      {Control::PModeOver, "OVER", false, kOverHint},
      {Control::PModeForcedOver, "Forced OVER", false, kForcedOverHint},
      kSeparator,
      {Control::PModeFec, "Unproto", true, "Send unproto: a broadcast without a link"},
      {Control::PModeCallCq, "Call CQ", true, kCqHint},
      {Control::PModeMonitor, "Monitor", true, kListenHint},
      kSeparator,
      {Control::PModeTxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled},
      kSeparator,
      {Control::PModeDeMy, "de MY", true, kDeMyHint},
      {Control::PModeHisDeMy, "HIS de MY", true, kHisDeMyHint},
      {Control::PModeFoxes, "Foxes", false, kFoxesHint}}},
    {Toolbar::Baudot,
     "Baudot",
     {{Control::BaudotConnect, "Call", true, kTextCallHint},
      {Control::BaudotPanic, "Panic", false, kPanicHint},
      kSeparator,
      {Control::BaudotFec, "LTRS", true, "Send a letters shift (Alt+G)"},
      {Control::BaudotRttyRate, "45", true, kRateHint},
      {Control::BaudotMonitor, "OFF", true, kSyncIdleHint},
      {Control::BaudotNormRev, "NORM", true, kFskPolarityHint, toolbar_image::Normal},
      kSeparator,
      {Control::BaudotTxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled},
      kSeparator,
      {Control::BaudotDeMy, "de MY", true, kDeMyHint},
      {Control::BaudotHisDeMy, "HIS de MY", true, kHisDeMyHint},
      {Control::BaudotFoxes, "Foxes", true, kFoxesHint}}},
    {Toolbar::Ascii,
     "ASCII",
     {{Control::AsciiConnect, "Call", true, kTextCallHint},
      {Control::AsciiPanic, "Panic", false, kPanicHint},
      kSeparator,
      {Control::AsciiRttyRate, "110", true, kRateHint},
      {Control::AsciiMonitor, "OFF", true, kSyncIdleHint},
      {Control::AsciiNormRev, "NORM", true, kFskPolarityHint, toolbar_image::Normal},
      kSeparator,
      {Control::AsciiTxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled},
      kSeparator,
      {Control::AsciiDeMy, "de MY", true, kDeMyHint},
      {Control::AsciiHisDeMy, "HIS de MY", true, kHisDeMyHint},
      {Control::AsciiFoxes, "Foxes", true, kFoxesHint}}},
    {Toolbar::Psk31,
     "PSK31",
     {{Control::Psk31TxEnable, "TX EN ", true, kTxEnableHint, toolbar_image::TxEnabled}}},
};

void addButton(QToolBar& bar, const Button& button) {
    if (!button.control) {
        bar.addSeparator();
        return;
    }
    QAction* action = bar.addAction(QString::fromUtf8(button.caption));
    nameControl(*action, *button.control);
    action->setEnabled(button.enabled);
    if (button.hint) {
        action->setToolTip(QString::fromUtf8(button.hint));
        action->setStatusTip(QString::fromUtf8(button.hint));
    }
    if (button.image >= 0) {
        action->setIcon(toolbarImage(button.image));
        action->setProperty("imageIndex", button.image);
    }
    if (auto role = buttonRole(*button.control))
        action->setProperty(kRoleProperty, static_cast<int>(*role));
}

} // namespace

void buildModeToolbars(QMainWindow& window) {
    for (const ToolbarLayout& toolbar : kToolbars) {
        auto* bar = new QToolBar(QString::fromUtf8(toolbar.title), &window);
        nameControl(*bar, toolbarControl(toolbar.toolbar));
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

int connectToolbarButtons(QMainWindow& window, ButtonRole role, std::function<void()> handler) {
    int connected = 0;
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            const QVariant property = action->property(kRoleProperty);
            if (!property.isValid() || property.toInt() != static_cast<int>(role)) continue;
            QObject::connect(action, &QAction::triggered, action, [handler] { handler(); });
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
