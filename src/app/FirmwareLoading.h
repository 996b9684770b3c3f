#pragma once

#include "app/SerialLoaderPort.h"
#include "protocol/loader/FirmwareDownload.h"

class QMainWindow;

namespace orvane {

class DownloadPanel;
class ModemSession;
struct ConsoleServices;
struct SessionState;

// The firmware loader put together on the session's port, threads and the
// main window: "Load Firmware" of the Files menu and the start-up check's
// reload offer both come here.
class FirmwareLoading {
public:
    FirmwareLoading(const ConsoleServices& services, SessionState& state, ModemSession& session,
                    QMainWindow& mainWindow);

    // The download takes its turn on the runner. It ends the program unless
    // the operator cancels the first file choice (or the file cannot be opened).
    void mnuFilesLoadFirmwareClick() { download_.start(); }
    // The reload offer of the start-up check awaits the download inside its
    // own sequence.
    Task<> run() { return download_.run(); }

private:
    DownloadPanel& panel_;
    SerialLoaderPort port_;
    FirmwareDownload download_;
};

} // namespace orvane
