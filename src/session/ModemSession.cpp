#include "session/ModemSession.h"

#include "config/StationSetup.h"

#include "modes/ModeSurface.h"
#include "platform/Clock.h"
#include "platform/ProcessExit.h"
#include "platform/Prompter.h"
#include "protocol/CommandBuilders.h"
#include "protocol/CommandCode.h"
#include "protocol/handshake/ModemHandshake.h"
#include "serial/TransmitThread.h"
#include "session/SessionLifecycle.h"
#include "session/SessionState.h"
#include "session/SessionView.h"

namespace orvane {
namespace {

// How long a close waits for the goodbye to the modem to leave.
constexpr int kShutdownSendLimitMs = 1000;
// How long a close waits for the modem to report the link down after DISCONNECT;
// an ARQ link ends with an exchange on the air.
constexpr int kDisconnectLimitMs = 15000;

} // namespace

ModemSession::ModemSession(const ConsoleServices& services, SessionState& state,
                           const SessionWindows& windows, SessionLifecycle& lifecycle)
    : services_(services), state_(state), view_(windows.view),
      lifecycle_(lifecycle), directories_{services.baseDir}, sequences_(services.clock),
      closing_(services.clock), clients_(state.terminal),
      log_(directories_.base / "Logs", services.clock, state.link, services.prompter),
      line_(sequences_, routing_, state.settings, services.uiThread, log_, *this, flow_),
      endOfLine_(state.settings, state.terminal, line_),
      port_(directories_.base,
            {rxQueue_, routing_, line_, sequences_, wireTrace_, *this, flow_, services.devices},
            services.prompter, services.processExit, *this),
      statusSide_(routing_, echoes_, port_, clients_),
      status_(rxQueue_, services.clock, services.sound, windows.surface, state.link, state.records,
              StatusSides{*this, windows.monitors, statusSide_,
                          StatusSettings{state.settings.A_EndOfLine, state.settings.P_EndOfLine}}),
      modes_(state, windows.surface, line_, sequences_, port_.xonXoffFilter(), directories_.msg()),
      recovery_(port_, services.clock, services.prompter, services.uiThread, modes_, state.settings,
                {rxQueue_, routing_}),
      chars_(clients_, windows.receiveWindow, routing_, echoes_,
             ReceivedCharHandler::Inputs{[this] { return clients_.binarySendActive(); },
                                         [this] { return state_.settings.EchoEnable; }}),
      bridge_(services.uiThread, status_.dispatcher(), clients_, chars_),
      routingThread_(rxQueue_, routing_, bridge_, clients_),
      settingsFile_(directories_.base, state, view_, services.prompter) {
    for (const std::string& failure : directories_.create())
        services_.prompter.message("Orvane", failure, PromptIcon::None, PromptButtons::Ok);
}

ModemSession::~ModemSession() {
    detach();
    // The serial threads show the line to the session log until they end.
    port_.close();
}

void ModemSession::detach() {
    // The routing thread may be waiting for a delivery; it must end before
    // what it delivers to goes.
    routing_.RoutingEnabled = false;
    routingThread_.stop();
}

void ModemSession::start() {
    view_.showSplash();
    startupTimer_ = services_.clock.createTimer("Timer1", 1);
    startupTimer_->setHandler([this] {
        startupTimer_->stop();
        sequences_.start("start-up", [this]() -> Task<> {
            const bool started = co_await startupSequence();
            if (!started) lifecycle_.startupEndedEarly();
        });
    });
    startupTimer_->start();
}

Task<bool> ModemSession::startupSequence() {
    view_.logStep("Reading Configuration");
    settingsFile_.load();
    view_.logOk();
    if (callSignIsPlaceholder(state_.settings) || !portIsSet(state_.settings))
        clients_.clients().guideStationSetup();

    view_.logStep("Initializing Modem");
    port_.PortName = state_.settings.PortName;
    ModemHandshake handshake(port_, services_.clock, sequences_, services_.prompter,
                             services_.processExit, services_.sound, [this]() -> Task<bool> {
                                 // Back here only when the operator cancelled the file choice.
                                 co_await clients_.clients().loadFirmware();
                                 co_return false;
                             });
    const bool opened = port_.open();
    HandshakeResult result;
    if (opened) result = co_await handshake.run();
    if (!opened || !result.succeeded()) {
        view_.abandonStartup();
        co_return false;
    }
    state_.identity = result.identity;
    state_.settings.PortName = port_.PortName;
    view_.logOk();

    view_.logStep("Setting Screen Parameters");
    modes_.setHardwareVersion(state_.identity.HardwareVersion);
    co_await modes_.setups().commonSetup();
    view_.logOk();

    view_.logStep("Finished");
    view_.showMainWindow();
    view_.logOk();
    co_await sequences_.pause(1000);

    routingThread_.resume();
    clients_.clients().startTimers();
    view_.finishStartup();
    startupFinished_ = true;
    co_return true;
}

// The goodbye is the last thing the modem hears: every sender stops first (the
// sequences with the tone test and the held commands, the file transfers, and
// through the sealed line the pump), then HOST_SHUTDOWN is queued alone.
void ModemSession::close() {
    if (closed_) return;
    closed_ = true;
    // A disconnect still waiting for the modem (a signal came meanwhile) goes.
    closing_.cancelAll();
    sequences_.cancelAll();
    status_.timers().commandTimer().stop();
    routing_.RoutingEnabled = false;
    routing_.RoutingPaused = true;
    clients_.stopTextFileSend();
    line_.sayLast(command(CommandCode::HOST_SHUTDOWN));
    stopTimers();
    // At a signal nobody may be there to answer a message box.
    settingsFile_.saveAtClose(exitAfterClose_ ? SessionSettings::CloseReport::StandardError
                                              : SessionSettings::CloseReport::Operator);
    closing_.start("close", [this] { return sayGoodbye(); });
}

// The goodbye has left once our queue and the driver are empty. Dropping RTS
// and then DTR comes after it: the modem hears the goodbye with the lines up,
// and the lines falling is the very last thing it is told.
Task<> ModemSession::sayGoodbye() {
    if (TransmitThread* queue = line_.transmitQueue())
        co_await closing_.until([queue] { return queue->length() == 0; }, kShutdownSendLimitMs);
    port_.setRts(false);
    port_.setDtr(false);
    log_.close();
    goodbyeSaid_ = true;
    lifecycle_.goodbyeSaid();
    if (exitAfterClose_) services_.processExit.exitNow(0);
}

bool ModemSession::requestClose() {
    if (closed_) return true;
    // A question on screen or a disconnect under way: the close is in hand.
    if (askingToClose_ || disconnectingToClose_) return false;
    const CloseStakes stakes = closeStakes();
    if (!stakes.any()) {
        close();
        return true;
    }
    const CloseQuestion question = closeQuestion(stakes);
    askingToClose_ = true;
    const bool closeAnyway =
        services_.prompter.confirm(question.caption, question.text, question.act, question.stay);
    askingToClose_ = false;
    if (closed_) return true; // a signal closed the console meanwhile
    if (!closeAnyway) return false;
    disconnectingToClose_ = true;
    closing_.start("disconnect", [this] { return disconnectThenClose(); });
    return false;
}

CloseStakes ModemSession::closeStakes() {
    CloseStakes stakes{state_.link.linkUp, state_.link.linkedCall};
    if (clients_.attached()) {
        stakes.transferRunning = clients_.clients().fileTransferRunning();
        stakes.unsentText = clients_.clients().unsentText();
    }
    return stakes;
}

// DISCONNECT goes at once, ahead of whatever is still typed; the session log
// notes the link's end when the modem reports it, or says that it never did.
Task<> ModemSession::disconnectThenClose() {
    if (state_.link.linkUp) {
        log_.writeNow(); // the link's start is in the log before its end
        line_.write(command(CommandCode::DISCONNECT));
        status_.timers().startTransientPanel(Control::DisconnectPanel, kDisconnectLimitMs);
        const bool down =
            co_await closing_.until([this] { return !state_.link.linkUp; }, kDisconnectLimitMs);
        if (!down) log_.linkEndUnconfirmed();
    }
    view_.hideMainWindow();
    close();
}

void ModemSession::stopTimers() {
    if (clients_.attached()) clients_.clients().stopTimers();
    status_.timers().stopForExit();
    if (startupTimer_) startupTimer_->stop();
}

void ModemSession::closeAndExit() {
    if (goodbyeSaid_) services_.processExit.exitNow(0);
    exitAfterClose_ = true;
    close();
}

void ModemSession::modemStoppedResponding() {
    status_.timers().commandTimer().stop();
    services_.prompter.message("ERROR!",
                               "Modem has stopped responding!\n\nOrvane will now shut down ...",
                               PromptIcon::Stop, PromptButtons::Ok);
    if (state_.configChanged.isSet() &&
        services_.prompter.message("Exit", "Configuration has changed. Save it?",
                                   PromptIcon::Question,
                                   PromptButtons::OkCancel) == PromptAnswer::Ok)
        settingsFile_.saveSettings();
    port_.setRts(false);
    port_.setDtr(false);
    routing_.RoutingPaused = true;
    if (clients_.attached()) clients_.clients().closeDialogs();
    view_.closeForShutdown();
    log_.close();
    services_.processExit.exitNow(0);
}

std::optional<int> ModemSession::choosePort(const std::string& reason) {
    return view_.choosePort(reason);
}

void ModemSession::portChanged() {
    state_.configChanged.set();
}

void ModemSession::resetLinkState() {
    state_.link.clearLinkFlags();
}

void ModemSession::hideMainWindow() {
    view_.hideMainWindow();
}

void ModemSession::setDtr() {
    port_.setDtr(true);
}

void ModemSession::hardwareResetRecovery() {
    modes_.codeMenu().hardwareResetRecovery();
}

} // namespace orvane
