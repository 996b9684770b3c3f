#pragma once

#include "config/ScreenLayout.h"
#include "monitor/StatusBarView.h"
#include "serial/ReceivedCharHandler.h"
#include "session/ConsoleServices.h"
#include "session/SessionView.h"
#include "ui/config/DisplayTarget.h"
#include "ui/config/ViewMenu.h"
#include "ui/main/SecondaryWindows.h"
#include "ui/monitor/MonitorWindows.h"
#include "ui/surface/WidgetSurface.h"

namespace orvane {

class AboutBox;
class DocumentViewer;
class HelpWindow;
class LogViewerWindow;
class MainWindow;
class ReceivePane;
class SplashWindow;
struct SessionState;

// The console's windows: the main window with its menus, panes, toolbars
// and status bar, the splash, the help and About windows, the monitor
// windows and the View menu. They show the session's state and carry out
// what its start-up and close ask of them; the operations built on the
// session connect the rest of the menus.
class ConsoleWindows final : public SessionView,
                             public DisplayTarget,
                             public ReceiveWindow,
                             public StatusBarView {
public:
    ConsoleWindows(const ConsoleServices& services, SessionState& state);
    ~ConsoleWindows() override;
    ConsoleWindows(const ConsoleWindows&) = delete;
    ConsoleWindows& operator=(const ConsoleWindows&) = delete;

    MainWindow& mainWindow() { return *mainWindow_; }
    ReceivePane& receivePane() { return *receivePane_; }
    WidgetSurface& surface() { return surface_; }
    MonitorWindows& monitors() { return monitors_; }
    // Today's session log, shown inside the console.
    DocumentViewer& logViewer();

    // SessionView
    void showSplash() override;
    void logStep(const std::string& step) override;
    void logOk() override;
    ScreenMetrics screenMetrics() const override;
    void settingsLoaded(const ScreenLayout& stored, bool storedMainSize) override;
    ScreenLayout layoutToSave() override;
    void showMainWindow() override;
    void finishStartup() override;
    void abandonStartup() override;
    std::optional<int> choosePort(const std::string& reason) override;
    void hideMainWindow() override;
    void closeForShutdown() override;
    // DisplayTarget: the panes' fonts and colours, set once per change.
    void applyDisplaySettings() override;
    // ReceiveWindow
    bool faxTransferPanelVisible() const override;
    void playSystemDefault() override;
    void returnFocus() override;
    // StatusBarView
    void setPanel(int index, const std::string& text) override;
    std::string panelText(int index) const override;
    int receiveLineCount() const override;
    int transmitLineCount() const override;

private:
    friend class ConsoleProbe;

    void connectMenus();
    void showAbout();
    void showHelpWindow();

    const ConsoleServices& services_;
    SessionState& state_;
    ReceivePane* receivePane_;
    MainWindow* mainWindow_;
    SecondaryWindows windows_;
    AboutBox* about_;
    SplashWindow* splash_;
    HelpWindow* help_;
    LogViewerWindow* logViewer_;
    WidgetSurface surface_;
    MonitorWindows monitors_;
    ViewMenu viewMenu_;
    ScreenLayout layout_;
};

} // namespace orvane
