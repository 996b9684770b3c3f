#pragma once

#include "app/ConsoleOperations.h"
#include "app/ConsoleWindows.h"
#include "session/ConsoleServices.h"
#include "session/ModemSession.h"
#include "session/SessionLifecycle.h"
#include "session/SessionState.h"

#include <QObject>

namespace orvane {

class MainWindow;

// Puts the console together: the state it knows, the windows that show it,
// the modem session beside them, and the operator's operations built on
// both; then connects them. It decides nothing itself.
class Console final : public QObject, private SessionLifecycle {
    Q_OBJECT
public:
    explicit Console(ConsoleServices services, QObject* parent = nullptr);
    ~Console() override;

    MainWindow& mainWindow() { return windows_.mainWindow(); }
    // Arms the splash timer; the start-up runs once the event loop does.
    void start() { session_.start(); }
    // The close as the window's close box starts it.
    void close() { session_.close(); }
    // The close, then the end of the process.
    void closeAndExit() { session_.closeAndExit(); }

signals:
    // Start-up ended without showing the main window.
    void startupAbandoned();
    // The close has said goodbye to the modem.
    void closed();

private:
    friend class ConsoleProbe;

    // SessionLifecycle
    void startupEndedEarly() override { emit startupAbandoned(); }
    void goodbyeSaid() override { emit closed(); }

    ConsoleServices services_;
    SessionState state_;
    ConsoleWindows windows_;
    ModemSession session_;
    ConsoleOperations operations_;
};

} // namespace orvane
