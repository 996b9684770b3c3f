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
        Prompter& prompter;
        ProcessExit& processExit;
        QMainWindow& mainWindow;
        const ModemIdentity& identity;
    };

    explicit FirmwareLoading(Parts parts);

    // Returns only when the operator cancelled the first file choice (or the
    // file could not be opened); otherwise the program ends.
    void mnuFilesLoadFirmwareClick() { download_.Load(); }
    DownloadPanel& panel() { return panel_; }

private:
    DownloadPanel& panel_;
    SerialLoaderPort port_;
    FirmwareDownload download_;
};

} // namespace orvane
