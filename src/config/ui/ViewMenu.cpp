#include "config/ui/ViewMenu.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "protocol/link/LinkState.h"

#include <QAction>
#include <QWidget>

namespace orvane {
namespace {

// The tool bar the current mode shows; a broadcast shows its own mode's.
const char* currentToolBar(OperatingMode mode) {
    switch (baseMode(mode)) {
    case OperatingMode::Quoral: return "QORToolBar";
    case OperatingMode::Amtor: return "AmtorToolBar";
    case OperatingMode::PMode: return "PModeToolBar";
    case OperatingMode::Baudot: return "BaudotToolBar";
    default: return "AsciiToolBar";
    }
}

} // namespace

ViewMenu::ViewMenu(Environment environment) : env_(environment) {
    for (const char* name : {"mnuViewToolBar", "mnuViewStatusBar", "mnuViewAmpTune",
                             "mnuViewFreqTune", "mnuViewQuoralStat", "mnuViewEchoData"})
        if (QAction* item = action(name)) item->setCheckable(true);
    action("mnuViewAmpTune")->setToolTip(QStringLiteral("Toggle Tuners ON/OFF"));
}

QAction* ViewMenu::action(const char* name) const {
    return env_.mainWindow.findChild<QAction*>(QString::fromLatin1(name));
}

void ViewMenu::showChecks() {
    action("mnuViewToolBar")->setChecked(env_.settings.ToolBar);
    action("mnuViewStatusBar")->setChecked(env_.settings.StatusBar);
    action("mnuViewEchoData")->setChecked(env_.settings.EchoEnable == "ON");
}

void ViewMenu::mnuViewToolBarClick() {
    const bool shown = action("mnuViewToolBar")->isChecked();
    env_.settings.ToolBar = shown;
    env_.surface.setVisible(currentToolBar(env_.link.operatingMode), shown);
    env_.configChanged.set();
}

void ViewMenu::mnuViewStatusBarClick() {
    const bool shown = action("mnuViewStatusBar")->isChecked();
    env_.settings.StatusBar = shown;
    env_.surface.setVisible("StatusBar1", shown);
    env_.configChanged.set();
}

void ViewMenu::toggleWindow(QWidget& window, const char* item) {
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
    toggleWindow(env_.amplitudeTune, "mnuViewAmpTune");
}

void ViewMenu::mnuViewFreqTuneClick() {
    toggleWindow(env_.frequencyTune, "mnuViewFreqTune");
}

void ViewMenu::mnuViewQuoralStatClick() {
    toggleWindow(env_.quoralStatistics, "mnuViewQuoralStat");
}

void ViewMenu::mnuViewEchoDataClick() {
    std::string& echo = env_.settings.EchoEnable;
    echo = echo == "ON" ? "OFF" : "ON";
    action("mnuViewEchoData")->setChecked(echo == "ON");
}

} // namespace orvane
