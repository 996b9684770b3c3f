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
     {{Control::QuoralConnect, "Connect"},
      {Control::QuoralDisconnect, "Disconnect", false},
      {Control::QuoralPanic, "Panic", false},
      kSeparator,
      {Control::QuoralFec, "BDCST"},
      {Control::QuoralCallCq, "Call CQ"},
      {Control::QuoralMonitor, "Monitor", true, kListenHint},
      kSeparator,
      {Control::QuoralTxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {Control::QuoralMsg0, "MSG 0"},
      {Control::QuoralMsgPlus, "MSG 1+"},
      {Control::QuoralDeMy, "de MY"},
      {Control::QuoralHisDeMy, "HIS de MY"},
      {Control::QuoralFoxes, "Foxes", false}}},
    {Toolbar::Amtor,
     "AMTOR",
     {{Control::AmtorConnect, "Connect"},
      {Control::AmtorDisconnect, "Disconnect", false},
      {Control::AmtorPanic, "Panic", false},
      kSeparator,
      {Control::AmtorOver, "OVER", false},
      {Control::AmtorForcedOver, "Forced OVER", false},
      kSeparator,
      {Control::AmtorFec, "Broadcast"},
      {Control::AmtorCallCq, "Call CQ"},
      {Control::AmtorMonitor, "Monitor", true, kListenHint},
      {Control::AmtorNormRev, "NORM", true, nullptr, toolbar_image::Normal},
      kSeparator,
      {Control::AmtorTxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {Control::AmtorHisDeMy, "HIS de MY"},
      {Control::AmtorFoxes, "Foxes", false}}},
    {Toolbar::PMode,
     "P-Mode",
     {{Control::PModeConnect, "Connect"},
      {Control::PModeDisconnect, "Disconnect", false},
      {Control::PModePanic, "Panic", false},
      kSeparator,
      {Control::PModeOver, "OVER", false},
      {Control::PModeForcedOver, "Forced OVER", false},
      kSeparator,
      {Control::PModeFec, "Unproto"},
      {Control::PModeCallCq, "Call CQ"},
      {Control::PModeMonitor, "Monitor", true, kListenHint},
      kSeparator,
      {Control::PModeTxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {Control::PModeDeMy, "de MY"},
      {Control::PModeHisDeMy, "HIS de MY"},
      {Control::PModeFoxes, "Foxes", false}}},
    {Toolbar::Baudot,
     "Baudot",
     {{Control::BaudotConnect, "Call"},
      {Control::BaudotPanic, "Panic", false},
      kSeparator,
      {Control::BaudotFec, "LTRS"},
      {Control::BaudotRttyRate, "45"},
      {Control::BaudotMonitor, "OFF", true, kSyncIdleHint},
      {Control::BaudotNormRev, "NORM", true, nullptr, toolbar_image::Normal},
      kSeparator,
      {Control::BaudotTxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {Control::BaudotDeMy, "de MY"},
      {Control::BaudotHisDeMy, "HIS de MY"},
      {Control::BaudotFoxes, "Foxes"}}},
    {Toolbar::Ascii,
     "ASCII",
     {{Control::AsciiConnect, "Call"},
      {Control::AsciiPanic, "Panic", false},
      kSeparator,
      {Control::AsciiRttyRate, "110"},
      {Control::AsciiMonitor, "OFF", true, kSyncIdleHint},
      {Control::AsciiNormRev, "NORM", true, nullptr, toolbar_image::Normal},
      kSeparator,
      {Control::AsciiTxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled},
      kSeparator,
      {Control::AsciiDeMy, "de MY"},
      {Control::AsciiHisDeMy, "HIS de MY"},
      {Control::AsciiFoxes, "Foxes"}}},
    {Toolbar::Psk31,
     "PSK31",
     {{Control::Psk31TxEnable, "TX EN ", true, nullptr, toolbar_image::TxEnabled}}},
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
