#include "app/ModemControl.h"

#include "app/MainWindow.h"
#include "app/PortSession.h"
#include "config/Settings.h"

#include <QAction>
#include <QPlainTextEdit>

#include <iostream>

namespace orvane {

ModemControl::ModemControl(Environment environment)
    : env_(std::move(environment)),
      surface_(env_.window, [window = &env_.window](int index, const QString& text) {
          window->setPanel(index, text);
      }) {
    surface_.addWindow(env_.amplitudeTuneWindow);
    status_ = std::make_unique<StatusWiring>(env_.queue, env_.clock, env_.sound, surface_,
                                             env_.sides);
    context_ = std::make_unique<ModeContext>(ModeContext{
        env_.settings, status_->link(), terminal_, surface_, *this, env_.port.xonXoffFilter(), {}, {}, {}});
    runner_ = std::make_unique<ModeSetupRunner>(*context_, env_.port.sequences(), env_.port);
    codeMenu_ = std::make_unique<CodeMenu>(*runner_, env_.configChanged);
    tick_ = std::make_unique<TimeDisplayTick>(env_.clock, static_cast<StatusBarView&>(*this),
                                              noTransfers_);
    env_.port.sequences().setObserver(this);
}

ModemControl::~ModemControl() { env_.port.sequences().setObserver(nullptr); }

void ModemControl::sequencesChanged() { codeMenu_->showHeldMode(); }

// Nothing of ours throws on purpose; what did is said where a maintainer looks.
void ModemControl::sequenceFailed(const std::string& name, const std::string& what) {
    std::cerr << "orvane: the " << name << " ended early: " << what << '\n';
}

void ModemControl::connectCodeMenu() {
    auto on = [this](Control item, void (CodeMenu::*handler)()) {
        env_.window.onTriggered(item, [this, handler] { (codeMenu_.get()->*handler)(); });
    };
    on(Control::QuoralItem, &CodeMenu::mnuCodeQuoralClick);
    on(Control::AmtorItem, &CodeMenu::mnuCodeAmtorClick);
    on(Control::PModeItem, &CodeMenu::mnuCodePModeClick);
    on(Control::BaudotItem, &CodeMenu::mnuCodeBaudotClick);
    on(Control::AsciiItem, &CodeMenu::mnuCodeAsciiClick);
    on(Control::Psk31Item, &CodeMenu::mnuCodePSK31Click);
}

void ModemControl::send(const ModemCommand& command) { env_.port.send(command); }

void ModemControl::showLineState(const std::string& text) { setPanel(1, text); }

void ModemControl::replayModeSetup() {
    link().clearLinkFlags();
    runner_->runCommonSetup();
    setPanel(1, link().standbyText());
}

void ModemControl::pauseRoutingFor(int ms) { env_.port.pauseRoutingFor(ms); }

void ModemControl::setPanel(int index, const std::string& text) {
    env_.window.setPanel(index, QString::fromStdString(text));
}

int ModemControl::receiveLineCount() const {
    if (auto* pane = qobject_cast<QPlainTextEdit*>(env_.window.receivePane()))
        return pane->document()->blockCount();
    return 0;
}

int ModemControl::transmitLineCount() const {
    return env_.window.transmitPane()->document()->blockCount();
}

} // namespace orvane
