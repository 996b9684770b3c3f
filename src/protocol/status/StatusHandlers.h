#pragma once

#include "protocol/status/DispatchRules.h"
#include "protocol/status/FollowOnReader.h"
#include "protocol/status/StatusSettings.h"
#include "protocol/status/Toolbars.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

namespace orvane {

class Clock;
class ConsoleActivities;
class ConsoleSurface;
class MonitorDisplays;
class ReceiveSide;
class RxQueue;
class Sound;
class SupervisionTimers;
struct LinkState;
struct StatusRecords;

// Everything a status handler reads or changes.
struct StatusDispatchContext {
    RxQueue& queue;
    Clock& clock;
    Sound& sound;
    LinkState& link;
    StatusRecords& records;
    SupervisionTimers& timers;
    ConsoleSurface& surface;
    MonitorDisplays& monitor;
    ReceiveSide& receive;
    ConsoleActivities& activities;
    StatusSettings settings;
};

// The handlers of every status code, shared by the main and the in-band path;
// the rules say where the two differ. Runs on the user-interface thread while
// the routing thread waits, and may wait itself for the code's follow-on bytes.
class StatusHandlers {
public:
    // Handles one status code; its follow-on bytes are taken from the RxQueue.
    void dispatch(std::uint8_t code);

protected:
    StatusHandlers(const StatusDispatchContext& context, const DispatchRules& rules);
    ~StatusHandlers() = default;

private:
    // Announcements and link statuses.
    void hardwareReset();
    void linked();
    void fecCcbFrom();
    void announceCall(const std::string& prefix);
    void cqFrom();
    void arqLinkRequest();
    void selfecTo();
    void amtor476Link();
    void amtor625Link();
    void pmodeLink();
    void announce(const std::string& text);
    void showLinkedControls(std::span<const Toolbar> toolbars);
    void switchQuoralLinkButtons();
    void switchAllArqLinkButtons();
    void echo(bool on);

    // Back to standby.
    bool standbyReset(int lastClearedPanel);
    void disconnected();
    void linkFailed();
    void showModeAfterLink();
    void restoreCqButtonsIfCalling();
    void closeFaxPanel();

    // Reports of the modem's state.
    struct StandbyEvent;
    void stateEvent();
    void stateEventEffect(int event);
    void standbyEvent(const StandbyEvent& event);
    void cqEvent();

    // Statistics and tuning.
    void tuneLevels();
    void linkStatistics();
    void modulationReport();
    void freqOffset();

    // Follow-on data; every complete read ends the CommandTimer watchdog.
    std::optional<std::string> readCallText();
    std::optional<std::string> readPairText();
    bool readDiscarded(int count);
    template <std::size_t N> std::optional<std::array<std::uint8_t, N>> readFixed() {
        auto bytes = reader_.fixed<N>();
        if (bytes) stopWatchdog();
        return bytes;
    }
    void stopWatchdog();

    void enable(const std::string& objectName, bool on);
    void enableOn(std::span<const Toolbar> toolbars, std::string_view role, bool on);
    void clearPanels(int first, int last);

    StatusDispatchContext ctx_;
    DispatchRules rules_;
    FollowOnReader reader_;
};

} // namespace orvane
