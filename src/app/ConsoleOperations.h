#pragma once

#include "app/FileTransfers.h"
#include "app/FirmwareLoading.h"
#include "app/IdleReportGate.h"
#include "app/OnAirOperations.h"
#include "app/OperationsWiring.h"
#include "app/ReceivedTextFanOut.h"
#include "app/Transcript.h"
#include "monitor/ReceiveProgress.h"
#include "monitor/TimeDisplayTick.h"
#include "records/DiagnosticTraceSave.h"
#include "records/SessionLogCommands.h"
#include "session/SessionClients.h"
#include "terminal/ReceiveCapture.h"
#include "terminal/ReceiveSaving.h"
#include "terminal/keys/KeyActionTarget.h"
#include "ui/config/ConfigurationWindows.h"
#include "ui/config/StationSetupWindow.h"
#include "ui/keys/KeyOperations.h"
#include "ui/keys/KeyPanels.h"
#include "ui/serial/PortPicker.h"
#include "ui/terminal/CallSignPopup.h"
#include "ui/terminal/KeyboardCommands.h"
#include "ui/terminal/PaneCommands.h"
#include "ui/terminal/ReceivePrinting.h"

namespace orvane {

class ConsoleWindows;
class MainWindow;
class ModemSession;
struct ConsoleServices;
struct SessionState;

// What the operator does with the session through the windows: the
// configuration dialogs, the loader, broadcasts and tones, the file
// transfers, the toolbar operations, the keys, the panes' commands, the
// capture and printing of received text, the session log's and the trace's
// menu items, and the status bar's clock. Connects every menu item, button
// and key that starts one of them, and is what the session reaches above it.
class ConsoleOperations final : public SessionClients, private KeyActionTarget {
public:
    ConsoleOperations(const ConsoleServices& services, SessionState& state, ModemSession& session,
                      ConsoleWindows& windows);
    ~ConsoleOperations() override;
    ConsoleOperations(const ConsoleOperations&) = delete;
    ConsoleOperations& operator=(const ConsoleOperations&) = delete;

    // SessionClients
    ReceivedTextSink& receivedText() override { return receivedText_; }
    void handleInBand() override { transfers_.handleInBand(); }
    BinaryReceiveSink& binaryReceiveFile() override { return transfers_.receiveSink(); }
    bool binarySendActive() override;
    bool fileTransferRunning() override { return transfers_.anyActive(); }
    bool unsentText() override;
    void stopTextFileSend() override { transfers_.stopDiskSaveSend(); }
    void closeFileActivities() override;
    Task<> loadFirmware() override { return firmware_.run(); }
    void startTimers() override { tick_.start(); }
    void stopTimers() override { tick_.stop(); }
    void closeDialogs() override;
    void guideStationSetup() override;

private:
    friend class ConsoleProbe;

    // KeyActionTarget: what each key of the main window does.
    void runKeyAction(KeyAction action) override;
    void connectMenus(MainWindow& window);
    void connectPanes(ConsoleWindows& windows);

    ModemSession& session_;
    ConfigurationWindows configuration_;
    FirmwareLoading firmware_;
    OnAirOperations onAir_;
    ThroughputState throughput_;
    FileTransfers transfers_;
    OperationsWiring operations_;
    IdleReportGate idleGate_;
    SessionLogCommands logCommands_;
    DiagnosticTraceSave traceSave_;
    PaneCommands paneCommands_;
    ReceiveCapture capture_;
    ReceiveSaving saving_;
    Transcript transcript_;
    ReceivedTextFanOut receivedText_;
    TimeDisplayTick tick_;
    KeyPanels keyPanels_;
    KeyOperations keyOperations_;
    KeyboardCommands keyboardCommands_;
    ReceivePrinting printing_;
    PortPicker portPicker_;
    StationSetupWindow stationSetup_;
};

} // namespace orvane
