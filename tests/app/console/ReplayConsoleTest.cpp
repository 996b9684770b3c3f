#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "monitor/StatusBarView.h"
#include "platform/StatusPanel.h"

#include <QAction>
#include <QDialog>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;

struct SeenByTheOperator {
    QString pane;
    QStringList panels; // every panel but the clock
};

SeenByTheOperator seen(ConsoleUnderTest& t) {
    SeenByTheOperator s{t.paneText(), {}};
    for (int i = 0; i < MainWindow::kPanelCount; ++i)
        if (i != panel::Clock) s.panels << t.console.mainWindow().panel(i);
    return s;
}

void startOnCom1(ConsoleUnderTest& t) {
    t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
    ASSERT_TRUE(t.startUp());
}

TEST(WireTraceReplay, AFreshConsoleOnTheReplayedTraceShowsWhatTheFirstOneShowed) {
    testing::TempDir keep;
    const auto trace = keep.path() / "session.trace";
    SeenByTheOperator original;
    {
        ModemRig rig;
        ConsoleUnderTest t(rig.dir());
        startOnCom1(t);
        rig.tellSimulator("status LINKED \"K1ABC\" 00");
        ASSERT_TRUE(
            t.waitFor([&] { return t.console.mainWindow().panel(1) == "Linked to K1ABC"; }));
        rig.tellSimulator("text \"GM OM\\r\\nUR RST 599\\r\\n\"");
        ASSERT_TRUE(t.waitForPane("UR RST 599"));
        // The line counts follow on the next tick, which also moves the clock on.
        const QString clock = t.console.mainWindow().panel(panel::Clock);
        ASSERT_TRUE(t.waitFor([&] { return t.console.mainWindow().panel(panel::Clock) != clock; }));
        t.prompter.chooseNextFile(trace.string());
        t.console.mainWindow().action(Control::SaveTraceItem)->trigger();
        original = seen(t);
    }
    ASSERT_TRUE(std::filesystem::exists(trace));

    ModemRig replay({"--replay", trace.string()});
    ConsoleUnderTest t(replay.dir());
    startOnCom1(t);
    EXPECT_TRUE(t.waitFor(
        [&] { return seen(t).pane == original.pane && seen(t).panels == original.panels; }, 10000));
    EXPECT_EQ(seen(t).pane, original.pane);
    EXPECT_EQ(seen(t).panels, original.panels);
}

} // namespace
} // namespace orvane
