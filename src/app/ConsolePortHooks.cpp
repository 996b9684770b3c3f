#include "app/ConsolePortHooks.h"

#include "app/MainWindow.h"
#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "platform/Prompter.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/OperatingMode.h"
#include "serial/PortAvailability.h"
#include "serial/ui/TComFrm.h"

#include <QCoreApplication>
#include <QEvent>

namespace orvane {

std::optional<int> ConsolePortHooks::choosePort() {
    TComFrm dialog(prompter_, availablePorts(baseDir_));
    if (prompter_.runDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedPort();
}

void ConsolePortHooks::portChanged() {
    configChanged_.set();
}

void ConsolePortHooks::resetLinkState() {
    if (link_) link_->clearLinkFlags();
}

void ConsolePortHooks::hideMainWindow() {
    window_.hide();
}

void ConsolePortHooks::transmitQueueEmpty() {
    QCoreApplication::postEvent(&window_, new QEvent(kTxEmptyEvent));
}

bool ConsolePortHooks::isPsk31Mode() const {
    return settings_.Code == operatingModeValue(OperatingMode::Psk31);
}

} // namespace orvane
