#pragma once

#include "protocol/link/OperatingMode.h"

namespace orvane {

// What the main window's menus follow. The console's menus answer events
// rather than a reading of the link: Stop offers the text file send again
// even in an ARQ standby, a transmit report closes the Code menu and the next
// receive report opens it, link or no link. So besides the mode the Code menu
// checks, the inputs keep what the last event that decided each offer left,
// and which saves the operator started and has not stopped. The defaults are
// the window as it is built.
struct MenuInputs {
    OperatingMode checkedMode = OperatingMode::Quoral;
    bool modeChangeOffered = true; // the Code menu
    bool testTonesOffered = true;
    bool textFileOffered = true;
    bool binaryFileOffered = false;
    bool stopOffered = false;      // a save, a statistics file or a text send to stop
    bool savingReceived = false;   // from Save RX to Stop, Panic or a failed write
    bool savingStatistics = false; // from Save statistics to Stop or Panic

    bool operator==(const MenuInputs&) const = default;
};

// The events that change what the menus offer.
enum class MenuEvent {
    // A mode set-up.
    QuoralSetUp,
    AmtorSetUp,
    PModeSetUp,
    BaudotSetUp,
    AsciiSetUp,
    Psk31SetUp,
    // The modem's link reports.
    QuoralLinked,
    TorLinked, // an AMTOR 476 or a P-Mode link
    Amtor625Linked,
    LinkEnded, // disconnected or failed
    // An AMTOR broadcast back in standby; the plain standby report also closes
    // the binary send.
    BroadcastEnded,
    BroadcastEndedClosingBinarySend,
    FecCallHeard,
    Transmitting,
    Receiving,
    // The operator's broadcasts.
    QuoralBroadcastStarted,
    UnprotoRateAsked,
    FecBroadcastStarted, // AMTOR Mode B or converse FEC
    SelectiveFecStarted,
    UnprotoStarted,
    // The operator's files.
    ReceiveSaveStarted,
    ReceiveSaveEnded, // a failed write, or a failed link closed it
    StatisticsStarted,
    StatisticsHeaderWritten,
    StatisticsStopped,
    FilesStopped, // Stop disk save/send, and Panic
    FilesStoppedInQuoral,
    TextSendStarted,
    TextSendFinished, // the last byte went; the gauge still runs
    TextSendEnded,    // the gauge is full, or the send was stopped
    TextSendEndedInQuoral,
};

// The inputs after `event`.
MenuInputs after(MenuInputs inputs, MenuEvent event);

// Stop, Panic and the end of a text send offer the binary send again in Quoral.
MenuEvent filesStopped(OperatingMode mode);
MenuEvent textSendEnded(OperatingMode mode);

} // namespace orvane
