#pragma once

#include "controls/ToolbarButtons.h"
#include "protocol/status/DispatchRules.h"
#include "protocol/status/FollowOnReader.h"
#include "protocol/status/StatusSettings.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace orvane {

class ConsoleSurface;
class LinkFigures;
class RxQueue;
class SessionSide;
class Sound;
class SupervisionTimers;
struct LinkState;

// Everything a status handler reads or changes.
struct StatusDispatchContext {
    Sound& sound;
    LinkState& link;
    SupervisionTimers& timers;
    ConsoleSurface& surface;
    LinkFigures& figures;
    SessionSide& session;
    StatusSettings settings;
};

// The handlers of every status code, shared by the main and the in-band path;
// the rules say where the two differ. Runs on the user-interface thread. A
// handler whose follow-on bytes are still on their way waits for them without
// holding anything up; the routing hands it each byte as it comes.
class StatusHandlers {
public:
    // Handles one status code now, or as far as its follow-on bytes have come.
    void dispatch(std::uint8_t code);
    // The same, for a reader that awaits the status before it goes on.
    Task<> handle(std::uint8_t code);

protected:
    // The follow-on bytes are read from `queue`.
    StatusHandlers(RxQueue& queue, const StatusDispatchContext& context,
                   const DispatchRules& rules);
    ~StatusHandlers() = default;

private:
    // Announcements and link statuses.
    void hardwareReset();
    Task<> linked();
    Task<> fecCcbFrom();
    Task<> announceCall(std::string prefix);
    Task<> cqFrom();
    Task<> arqLinkRequest();
    Task<> selfecTo();
    Task<> amtor476Link();
    Task<> amtor625Link();
    Task<> pmodeLink();
    void announce(const std::string& text);
    void switchQuoralLinkButtons();
    void switchAllArqLinkButtons();
    void echo(bool on);

    // Back to standby.
    Task<> standbyReset(int lastClearedPanel);
    Task<> disconnected();
    Task<> linkFailed();
    void showModeAfterLink();
    void restoreCqButtonsIfCalling();
    void closeFaxPanel();

    // Reports of the modem's state.
    struct StandbyEvent;
    Task<> stateEvent();
    void stateEventEffect(int event);
    void standbyEvent(const StandbyEvent& event);
    Task<> cqEvent();

    // Statistics and tuning.
    Task<> tuneLevels();
    Task<> linkStatistics();
    Task<> modulationReport();
    Task<> freqOffset();

    // Follow-on data; every complete read ends the CommandTimer watchdog.
    Task<std::string> readCallText();
    Task<std::string> readPairText();
    Task<> readDiscarded(int count);
    template <std::size_t N> Task<std::array<std::uint8_t, N>> readFixed() {
        auto bytes = co_await reader_.fixed<N>();
        stopWatchdog();
        co_return bytes;
    }
    void stopWatchdog();

    void enable(Control control, bool on);
    // The button of `role` on each of the toolbars that has one.
    void enableOn(std::span<const Toolbar> toolbars, ButtonRole role, bool on);
    void captionOn(std::span<const Toolbar> toolbars, ButtonRole role, const std::string& caption);
    void clearPanels(int first, int last);

    StatusDispatchContext ctx_;
    DispatchRules rules_;
    FollowOnReader reader_;
};

} // namespace orvane
