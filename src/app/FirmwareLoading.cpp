#include "app/FirmwareLoading.h"

#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "ui/loader/DownloadPanel.h"

#include <QMainWindow>

namespace orvane {

FirmwareLoading::FirmwareLoading(const ConsoleServices& services, SessionState& state,
                                 ModemSession& session, QMainWindow& mainWindow)
    : panel_(*new DownloadPanel(mainWindow)),
      port_({session.port(), session.line(), session.routingThread(), session.routing(), mainWindow,
             panel_.widget()}),
      download_({port_, panel_, services.prompter, services.processExit, session.sequences(),
                 state.identity}) {}

} // namespace orvane
