#include "ui/config/ViewMenu.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "platform/ControlObjects.h"
#include "protocol/link/LinkState.h"

#include <QAction>
#include <QWidget>

namespace orvane {
namespace {

// The tool bar the current mode shows; a broadcast shows its own mode's.
Control currentToolBar(OperatingMode mode) {
    switch (baseMode(mode)) {
    case OperatingMode::Quoral: return Control::QuoralToolbar;
    case OperatingMode::Amtor: return Control::AmtorToolbar;
    case OperatingMode::PMode: return Control::PModeToolbar;
    case OperatingMode::Baudot: return Control::BaudotToolbar;
    default: return Control::AsciiToolbar;
    }
}

} // namespace

ViewMenu::ViewMenu(Environment environment) : env_(environment) {
    for (Control control :
         {Control::ToolBarItem, Control::StatusBarItem, Control::AmplitudeTuneItem,
          Control::FrequencyTuneItem, Control::QuoralStatisticsItem, Control::EchoItem})
        if (QAction* item = action(control)) item->setCheckable(true);
    action(Control::AmplitudeTuneItem)->setToolTip(QStringLiteral("Toggle Tuners ON/OFF"));
}

QAction* ViewMenu::action(Control control) const {
    return findControl<QAction>(env_.mainWindow, control);
}

void ViewMenu::showChecks() {
    action(Control::ToolBarItem)->setChecked(env_.settings.ToolBar);
    action(Control::StatusBarItem)->setChecked(env_.settings.StatusBar);
    action(Control::EchoItem)->setChecked(env_.settings.EchoEnable == "ON");
}

void ViewMenu::mnuViewToolBarClick() {
    const bool shown = action(Control::ToolBarItem)->isChecked();
    env_.settings.ToolBar = shown;
    env_.surface.setVisible(currentToolBar(env_.link.operatingMode), shown);
    env_.configChanged.set();
}

void ViewMenu::mnuViewStatusBarClick() {
    const bool shown = action(Control::StatusBarItem)->isChecked();
    env_.settings.StatusBar = shown;
    env_.surface.setVisible(Control::StatusBar, shown);
    env_.configChanged.set();
}

void ViewMenu::toggleWindow(QWidget& window, Control item) {
    if (window.isVisible()) {
        window.hide();
    } else {
        window.show();
        window.repaint();
    }
    action(item)->setChecked(window.isVisible());
    env_.configChanged.set();
}

void ViewMenu::mnuViewAmpTuneClick() {
    toggleWindow(env_.monitors.amplitudeTune, Control::AmplitudeTuneItem);
}

void ViewMenu::mnuViewFreqTuneClick() {
    toggleWindow(env_.monitors.frequencyTune, Control::FrequencyTuneItem);
}

void ViewMenu::mnuViewQuoralStatClick() {
    toggleWindow(env_.monitors.quoralStatistics, Control::QuoralStatisticsItem);
}

void ViewMenu::mnuViewEchoDataClick() {
    std::string& echo = env_.settings.EchoEnable;
    echo = echo == "ON" ? "OFF" : "ON";
    action(Control::EchoItem)->setChecked(echo == "ON");
}

} // namespace orvane
