#pragma once

#include "app/loader/FirmwareDownload.h"
#include "app/loader/SerialLoaderPort.h"

class QMainWindow;

namespace orvane {

class DownloadPanel;

// The firmware loader put together on the console's port, threads and main
// window: "Load Firmware" of the Files menu and the start-up check's reload
// offer both come here.
class FirmwareLoading {
public:
    struct Parts {
        PortSession& session;
        DisplayThread& display;
        RoutingFlags& routing;
        Clock& clock;
        SequenceRunner& runner;
        Prompter& prompter;
        ProcessExit& processExit;
        QMainWindow& mainWindow;
        const ModemIdentity& identity;
    };

    explicit FirmwareLoading(Parts parts);

    // The download takes its turn on the runner. It ends the program unless
    // the operator cancels the first file choice (or the file cannot be opened).
    void mnuFilesLoadFirmwareClick() { download_.start(); }
    // The reload offer of the start-up check awaits the download inside its
    // own sequence.
    Task<> run() { return download_.run(); }
    DownloadPanel& panel() { return panel_; }

private:
    DownloadPanel& panel_;
    SerialLoaderPort port_;
    FirmwareDownload download_;
};

} // namespace orvane
