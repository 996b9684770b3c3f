#include "session/DeviceRecovery.h"

#include "config/Settings.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/UiThread.h"
#include "session/PortSession.h"

#include <cstdio>

namespace orvane {

DeviceRecovery::DeviceRecovery(PortSession& port, Clock& clock, Prompter& prompter,
                               UiThread& uiThread, DeviceRecoveryHost& host,
                               const Settings& settings, ModemProbe::Parts probe)
    : port_(port), prompter_(prompter), host_(host), settings_(settings),
      uiQueue_(uiThread.createQueue()), retry_(clock.createTimer("DeviceRetryTimer", kRetryMs)),
      probes_(clock), probe_(probe, probes_) {
    retry_->setHandler([this] { tryReopen(); });
}

DeviceRecovery::~DeviceRecovery() = default;

void DeviceRecovery::lineLost() {
    uiQueue_->post([this] { handleLoss(); });
}

std::string DeviceRecovery::portText() const {
    return port_.PortName + " (" + port_.lastDevice() + ")";
}

void DeviceRecovery::handleLoss() {
    // The reader and the transmit thread may both report one loss; a report
    // from a port already given up, or from a device on probation, is old news.
    if (waiting_ || !port_.deviceLost()) return;
    waiting_ = true;
    strangerReported_ = false;
    lostPortName_ = port_.PortName;
    port_.releaseLostDevice();
    host_.showLineState(port_.PortName + " LOST");
    std::fprintf(stderr, "orvane: lost %s\n", portText().c_str());
    prompter_.notice("Orvane",
                     "The modem's serial port " + portText() +
                         " is gone: the adapter was unplugged or the line was closed.\n\n"
                         "Orvane goes on and opens the port again as soon as it is back, "
                         "or the port you pick meanwhile in the configuration. "
                         "Text in the transmit pane waits until then.",
                     PromptIcon::Exclamation);
    retry_->start();
}

void DeviceRecovery::tryReopen() {
    // The configured port: the lost one, unless the operator picked another
    // in the configuration dialog meanwhile.
    port_.PortName = settings_.PortName;
    if (!port_.reopen().empty()) return; // still gone; the timer tries again
    retry_->stop();
    probes_.start("modem check", [this] { return checkReopened(); });
}

Task<> DeviceRecovery::checkReopened() {
    const bool modem = co_await probe_.answers(*port_.port());
    if (modem)
        takeUp();
    else
        notTheModem();
}

// Another device holds the name (a second adapter, a reused pseudo-terminal,
// a link left behind): it hears nothing more from us.
void DeviceRecovery::notTheModem() {
    std::fprintf(stderr, "orvane: %s does not answer as a Modara\n", portText().c_str());
    if (!strangerReported_) {
        strangerReported_ = true;
        prompter_.notice("Orvane",
                         port_.PortName + ": the device there (" + port_.lastDevice() +
                             ") does not answer as a Modara. Orvane keeps looking for the modem.",
                         PromptIcon::Exclamation);
    }
    port_.releaseLostDevice();
    retry_->start();
}

void DeviceRecovery::takeUp() {
    port_.takeUpLine();
    waiting_ = false;
    const bool switched = port_.PortName != lostPortName_;
    std::fprintf(stderr, "orvane: %s %s\n", switched ? "switched to" : "reopened",
                 portText().c_str());
    host_.replayModeSetup();
    prompter_.notice("Orvane",
                     "The modem's serial port " + portText() +
                         (switched ? " is open." : " is back.") +
                         " The line settings and the set-up of the mode were sent again.",
                     PromptIcon::Information);
}

} // namespace orvane
