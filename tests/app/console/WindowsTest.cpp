#include "platform/QtUiThread.h"
#include "session/WorkingDirectories.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SplashWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>

#include <thread>

#include <gtest/gtest.h>

#include <fstream>

namespace orvane {
namespace {

namespace fs = std::filesystem;

struct ScratchDir {
    fs::path path = fs::temp_directory_path() / ("orvane-windows-" + std::to_string(::getpid()));
    ScratchDir() { fs::create_directories(path); }
    ~ScratchDir() { fs::remove_all(path); }
};

TEST(WorkingDirectories, CreatesTheFourFoldersAndKeepsExistingOnes) {
    ScratchDir scratch;
    fs::create_directory(scratch.path / "Config");
    WorkingDirectories dirs{scratch.path};
    EXPECT_TRUE(dirs.create().empty());
    for (const char* name : {"Out", "In", "Config", "Msg"})
        EXPECT_TRUE(fs::is_directory(scratch.path / name));
}

TEST(WorkingDirectories, ReportsEveryFolderThatCannotBeMadeInTableOrder) {
    ScratchDir scratch;
    // A base that is a file: no folder can be made under it, whoever we are.
    fs::path base = scratch.path / "not-a-folder";
    std::ofstream(base) << "x";
    WorkingDirectories dirs{base};
    EXPECT_EQ(dirs.create(), (std::vector<std::string>{"Error Creating Upload Directory!",
                                                       "Error Creating Download Directory!",
                                                       "Error Creating Config Directory!",
                                                       "Error Creating Message Directory!"}));
}

TEST(SplashWindow, LogsEachStepWithEightDotsAndAnOkLine) {
    SplashWindow splash;
    splash.logStep(QStringLiteral("Reading Configuration"));
    splash.logOk();
    splash.logStep(QStringLiteral("Initializing Modem"));
    EXPECT_EQ(
        splash.logText(),
        QStringLiteral(
            "Please Wait...\nReading Configuration........\n..OK\nInitializing Modem........"));
}

TEST(SplashWindow, HidesWhileAnyDialogIsUpUntilTheStartUpEnds) {
    SplashWindow splash;
    splash.startShowing();
    EXPECT_TRUE(splash.isVisible());
    QDialog first;
    QDialog second;
    const auto shownAfter = [&](QDialog& dialog, bool show) {
        dialog.setVisible(show);
        QCoreApplication::processEvents();
        return splash.isVisible();
    };
    EXPECT_FALSE(shownAfter(first, true));
    EXPECT_FALSE(shownAfter(second, true));
    EXPECT_FALSE(shownAfter(first, false));
    EXPECT_TRUE(shownAfter(second, false));
    splash.stopShowing();
    EXPECT_FALSE(shownAfter(first, true));
    EXPECT_FALSE(shownAfter(first, false));
}

TEST(HelpWindow, ShowsTheHotKeyFileOrSaysItCouldNotLoadIt) {
    ScratchDir scratch;
    testing::ScriptedPrompter prompter;
    HelpWindow missing(QString::fromStdString((scratch.path / "orvane_hotkeys.dat").string()),
                       prompter);
    EXPECT_EQ(missing.editor()->toPlainText(), QStringLiteral("Error loading data file..."));
    EXPECT_EQ(missing.windowTitle(), QStringLiteral("Orvane Help"));

    std::ofstream(scratch.path / "orvane_hotkeys.dat") << "Alt+M  own call\n";
    HelpWindow present(QString::fromStdString((scratch.path / "orvane_hotkeys.dat").string()),
                       prompter);
    EXPECT_EQ(present.editor()->toPlainText(), QStringLiteral("Alt+M  own call\n"));
    EXPECT_TRUE(present.editor()->isReadOnly());
}

TEST(MainWindow, HasItsCaptionMenusPanesAndNinePanels) {
    MainWindow window(new QPlainTextEdit);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zarvel Orvane 3.1.4"));
    for (const char* name : {"mnuFilesExit", "mnuFilesLoadFirmware", "saveconfig", "mnuCodeQuoral",
                             "mnuHelpContents", "About1", "mnuViewEchoData", "Undo1"})
        EXPECT_NE(window.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_FALSE(window.action(Control::StopSaveSendItem)->isEnabled());
    EXPECT_NE(window.findChild<QPlainTextEdit*>(QStringLiteral("reTXData")), nullptr);
    EXPECT_EQ(window.statusBar()->objectName(), QStringLiteral("StatusBar1"));
    EXPECT_EQ(window.panel(0), QStringLiteral("QUORAL"));
    for (QLabel* panel : window.statusBar()->findChildren<QLabel*>())
        EXPECT_FALSE(panel->toolTip().isEmpty()) << panel->objectName().toStdString();
    window.setPanel(8, QStringLiteral("clock"));
    EXPECT_EQ(window.panel(8), QStringLiteral("clock"));
    EXPECT_TRUE(window.panel(9).isEmpty());
}

// Neither pane can be dragged smaller than 300 x 30 pixels, nor away.
TEST(MainWindow, ThePanesKeepTheirMinimumSize) {
    MainWindow window(new QPlainTextEdit);
    window.show();
    auto* splitter = window.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    for (const bool transmitAway : {true, false}) {
        splitter->setSizes(transmitAway ? QList<int>{2000, 0} : QList<int>{0, 2000});
        for (const int pane : {0, 1}) {
            EXPECT_GE(splitter->widget(pane)->width(), 300) << pane;
            EXPECT_GE(splitter->widget(pane)->height(), 30) << pane;
        }
    }
}

// The transmit thread's empty reports and the routing's bursts reach the
// window's thread this way: each once, in order, and none after their
// owner has gone.
TEST(UiThread, RunsPostedWorkOnceInOrderAndNothingOfAQueueThatWent) {
    QtUiThread thread;
    std::string seen;
    auto queue = thread.createQueue();
    std::thread reporter([&] {
        queue->post([&] { seen += "a"; });
        queue->post([&] { seen += "b"; });
    });
    reporter.join();
    auto gone = thread.createQueue();
    gone->post([&] { seen += "x"; });
    gone.reset();
    EXPECT_EQ(seen, "");
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, "ab");
}

} // namespace
} // namespace orvane
