#include "app/ConsoleWindows.h"

#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "platform/Sound.h"
#include "session/SessionState.h"
#include "ui/config/PaneAppearance.h"
#include "ui/main/AboutBox.h"
#include "ui/main/FirstStartSize.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/LogViewerWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ShownDialogs.h"
#include "ui/main/SplashWindow.h"
#include "ui/main/Version.h"
#include "ui/main/WindowPlacement.h"
#include "ui/serial/PortPicker.h"
#include "ui/terminal/ReceivePane.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace orvane {
namespace {

ModemIdentityTexts aboutTexts(const ModemIdentity& identity) {
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    return {q(identity.ProductId),  q(identity.BootVersion), q(identity.HardwareVersion),
            q(identity.LodVersion), q(identity.S28Version),  q(identity.QuoralWaveform)};
}

// The application is named before its first window appears.
ReceivePane* firstWindow() {
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    return new ReceivePane;
}

// The main window comes first, hidden until start-up has finished; the
// monitor windows belong to it, the dialogs come in the start-up order after.
SecondaryWindows createWindows(MainWindow* mainWindow) {
    return SecondaryWindows::createDialogs(mainWindow,
                                           SecondaryWindows::createMonitorWindows(mainWindow, {}));
}

} // namespace

ConsoleWindows::ConsoleWindows(const ConsoleServices& services, SessionState& state)
    : services_(services), state_(state), receivePane_(firstWindow()),
      mainWindow_(new MainWindow(receivePane_)), windows_(createWindows(mainWindow_)),
      about_(new AboutBox(mainWindow_)), splash_(new SplashWindow),
      help_(
          new HelpWindow(QString::fromStdString((services.baseDir / "orvane_hotkeys.dat").string()),
                         services.prompter)),
      logViewer_(new LogViewerWindow),
      surface_(*mainWindow_,
               [window = mainWindow_](int index, const QString& text) {
                   window->setPanel(index, text);
               }),
      monitors_({*mainWindow_, *windows_.quoralStatistics, *windows_.amplitudeTune,
                 *windows_.frequencyTune},
                state.records, state.link, state.settings, surface_, services.clock,
                services.baseDir),
      viewMenu_({*mainWindow_,
                 state.settings,
                 state.configChanged,
                 surface_,
                 state.link,
                 {*windows_.amplitudeTune, *windows_.frequencyTune, *windows_.quoralStatistics}}) {
    if (QAction* amtor = mainWindow_->action(Control::AmtorItem))
        amtor->setText(QStringLiteral("&TOR"));
    surface_.addWindow(*windows_.amplitudeTune);
    connectMenus();
    monitors_.connectFilesMenu();
}

ConsoleWindows::~ConsoleWindows() {
    delete splash_;
    delete help_;
    delete logViewer_;
    delete mainWindow_;
}

void ConsoleWindows::connectMenus() {
    mainWindow_->onTriggered(Control::AboutItem, [this] { showAbout(); });
    mainWindow_->onTriggered(Control::HotKeysItem, [this] {
        help_->showKeysPage();
        showHelpWindow();
    });
    mainWindow_->onTriggered(Control::UserGuideItem, [this] {
        help_->showGuidePage();
        showHelpWindow();
        help_->raise();
    });
    auto view = [this](Control item, void (ViewMenu::*handler)()) {
        mainWindow_->onTriggered(item, [this, handler] { (viewMenu_.*handler)(); });
    };
    view(Control::ToolBarItem, &ViewMenu::mnuViewToolBarClick);
    view(Control::StatusBarItem, &ViewMenu::mnuViewStatusBarClick);
    view(Control::AmplitudeTuneItem, &ViewMenu::mnuViewAmpTuneClick);
    view(Control::FrequencyTuneItem, &ViewMenu::mnuViewFreqTuneClick);
    view(Control::QuoralStatisticsItem, &ViewMenu::mnuViewQuoralStatClick);
    view(Control::EchoItem, &ViewMenu::mnuViewEchoDataClick);
    if (QAction* exit = mainWindow_->action(Control::ExitItem))
        QObject::connect(exit, &QAction::triggered, mainWindow_, &QWidget::close);
}

DocumentViewer& ConsoleWindows::logViewer() {
    return *logViewer_;
}

void ConsoleWindows::showAbout() {
    about_->fill(QStringLiteral(ORVANE_VERSION_TEXT), aboutTexts(state_.identity));
    services_.prompter.runDialog(*about_);
}

void ConsoleWindows::showHelpWindow() {
    if (help_->isVisible()) return;
    help_->setGeometry(mainWindow_->x() + 10, mainWindow_->y() + 10, mainWindow_->width(),
                       mainWindow_->height());
    help_->show();
}

void ConsoleWindows::showSplash() {
    splash_->startShowing();
}

void ConsoleWindows::logStep(const std::string& step) {
    splash_->logStep(QString::fromStdString(step));
}

void ConsoleWindows::logOk() {
    splash_->logOk();
}

ScreenMetrics ConsoleWindows::screenMetrics() const {
    return currentScreenMetrics(windows_);
}

void ConsoleWindows::settingsLoaded(const ScreenLayout& stored, bool storedMainSize) {
    // A size or place from the file that no screen can show is brought onto one.
    const std::vector<ScreenArea> screens = currentScreenAreas();
    layout_ = applyScreenLayout(clampToScreens(stored, screens), *mainWindow_, windows_, screens);
    if (!storedMainSize)
        if (QScreen* screen = QGuiApplication::primaryScreen())
            placeForFirstStart(*mainWindow_, {layout_.MainWidth, layout_.MainHeight},
                               screen->availableGeometry());
    applyDisplaySettings();
    viewMenu_.showChecks();
}

ScreenLayout ConsoleWindows::layoutToSave() {
    if (mainWindow_->isVisible()) layout_ = captureScreenLayout(*mainWindow_, windows_);
    return layout_;
}

void ConsoleWindows::showMainWindow() {
    for (Control item : {Control::SoundCardTuneItem, Control::Psk31Item, Control::Separator10,
                         Control::Separator11})
        if (QAction* action = mainWindow_->action(item)) action->setVisible(false);
    surface_.showStationCall(state_.settings.MYCALL);
    mainWindow_->show();
}

void ConsoleWindows::finishStartup() {
    showMonitorWindows(layout_, windows_);
    splash_->stopShowing();
    mainWindow_->transmitPane()->setFocus();
    // A question still open (the welcome window) stays in front of the main window.
    const QWidgetList questions = shownDialogs();
    if (questions.isEmpty()) return mainWindow_->activateWindow();
    questions.first()->raise();
    questions.first()->activateWindow();
}

void ConsoleWindows::abandonStartup() {
    splash_->stopShowing();
}

std::optional<int> ConsoleWindows::choosePort(const std::string& reason) {
    return PortPicker(services_.prompter, services_.baseDir, services_.deviceRoots).pick(reason);
}

void ConsoleWindows::hideMainWindow() {
    mainWindow_->hide();
}

void ConsoleWindows::closeForShutdown() {
    if (about_->isVisible()) about_->close();
    mainWindow_->hide();
}

void ConsoleWindows::applyDisplaySettings() {
    applyPaneAppearance(state_.settings, *receivePane_, *mainWindow_->transmitPane());
    receivePane_->setReceiveColour(colourFromName(state_.settings.ReceiveTextColor));
    receivePane_->setEchoColour(colourFromName(state_.settings.EchoTextColor));
    receivePane_->setScrollbackLimit(qsizetype{state_.settings.ReceiveScrollbackKB} * 1024);
}

bool ConsoleWindows::faxTransferPanelVisible() const {
    const auto* panel = findControl<QWidget>(*mainWindow_, Control::FaxPanel);
    return panel && panel->isVisible();
}

void ConsoleWindows::playSystemDefault() {
    services_.sound.playSystemDefault();
}

void ConsoleWindows::returnFocus() {
    mainWindow_->transmitPane()->setFocus();
}

void ConsoleWindows::setPanel(int index, const std::string& text) {
    mainWindow_->setPanel(index, QString::fromStdString(text));
}

std::string ConsoleWindows::panelText(int index) const {
    return mainWindow_->panel(index).toStdString();
}

int ConsoleWindows::receiveLineCount() const {
    return receivePane_->document()->blockCount();
}

int ConsoleWindows::transmitLineCount() const {
    return mainWindow_->transmitPane()->document()->blockCount();
}

} // namespace orvane
