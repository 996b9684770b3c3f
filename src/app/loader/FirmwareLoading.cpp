#include "app/loader/FirmwareLoading.h"

#include "app/loader/DownloadPanel.h"

#include <QMainWindow>

namespace orvane {

FirmwareLoading::FirmwareLoading(Parts parts)
    : panel_(*new DownloadPanel(parts.mainWindow)),
      port_({parts.session, parts.display, parts.routing, parts.mainWindow, panel_.widget()}),
      download_({port_, panel_, parts.prompter, parts.processExit, parts.runner, parts.clock,
                 parts.identity}) {}

} // namespace orvane
