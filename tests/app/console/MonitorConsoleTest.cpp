#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "protocol/link/LinkState.h"
#include "ui/main/SecondaryWindows.h"
#include "ui/monitor/MonitorWindows.h"
#include "ui/surface/ModeToolbars.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;
using testing::readFile;

struct MonitorConsole : ::testing::Test {
    MonitorConsole() { rig.writeSettings("[system]\r\nComPort=1\r\n"); }

    QString box(const char* name) {
        return t.probe.monitorWindows().quoralStatistics->findChild<QLabel*>(name)->text();
    }
    int bar(int i) { return t.probe.monitorWindows().amplitudeTune->bar(i); }
    QWidget* pointer() { return t.probe.monitorWindows().frequencyTune->pointer(); }
    template <typename W> W* mainChild(const char* name) {
        return t.console.mainWindow().findChild<W*>(name);
    }

    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};
};

TEST_F(MonitorConsole, TheModemsFiguresReachTheWindowsAndTheStatisticsFile) {
    ASSERT_TRUE(t.startUp());
    rig.tellSimulator(R"(status LINKED "K1ABC" 00)");
    ASSERT_TRUE(t.waitFor([&] { return t.console.mainWindow().panel(1) == "Linked to K1ABC"; }));

    mainChild<QAction>("mnuFilesSaveStatistics")->trigger();
    EXPECT_TRUE(mainChild<QWidget>("StatsBox")->isVisible());
    mainChild<QLineEdit>("edStatsFreq")->setText("14.0675");
    mainChild<QPushButton>("StatsOK")->click();

    rig.tellSimulator("status TUNE_LEVELS C8 00 C8 00 C8 00 64 00");
    rig.tellSimulator("status LINK_STATISTICS 00 54 00 FD 3C 0C 07 00 4D 00 28 2D 0A 65");
    rig.tellSimulator("status MODULATION_REPORT 18 00 3C 01");
    rig.tellSimulator("status FREQ_OFFSET F6");
    ASSERT_TRUE(t.waitFor([&] { return pointer()->x() == 140; }));

    EXPECT_EQ(box("MySNRBox"), "42");
    EXPECT_EQ(box("MyFreqBox"), "-3");
    EXPECT_EQ(box("MyECCBox"), "7");
    EXPECT_EQ(box("HisFreqBox"), "40");
    EXPECT_EQ(box("HisECCBox"), "XX");
    EXPECT_EQ(box("MyModBox"), "BPSM");
    EXPECT_EQ(box("HisModBox"), "") << "modulation 15 has no name and leaves the box";
    EXPECT_EQ((std::vector{bar(0), bar(1), bar(2), bar(3)}), (std::vector{76, 76, 76, 0}));

    const std::string file = readFile(rig.dir() / t.probe.statisticsLog().fileName());
    const std::string header = t.probe.statisticsLog().fileName() +
                               "\r\nFrequency: 14.0675\tName: \tOther: \r\n"
                               "Time(hhmmss),Call,MOD,SNR,Freq,TPUT,Phase,ECC\r\n\r\n";
    ASSERT_EQ(file.substr(0, header.size()), header);
    const std::string rows = file.substr(header.size());
    // hhmmss, then the call and the figures
    EXPECT_EQ(rows.substr(6, 29), ",MYCALL,BPSM,84,125,60,12,7\r\n");
    EXPECT_EQ(rows.substr(35 + 6), ",HISCALL,,77,40,45,10,101\r\n");

    // Panic ends the logging: the menu offers a new file and no row follows.
    toolbarButton(t.console.mainWindow(), "butQORPanic")->trigger();
    EXPECT_TRUE(mainChild<QAction>("mnuFilesSaveStatistics")->isEnabled());
    // The modem drops the link at the panic; a new link brings new figures.
    ASSERT_TRUE(t.waitFor([&] { return !t.probe.link().linkUp; }));
    rig.tellSimulator(R"(status LINKED "K1ABC" 00)");
    ASSERT_TRUE(t.waitFor([&] { return t.probe.link().linkUp; }));
    rig.tellSimulator("status LINK_STATISTICS 00 54 00 FD 3C 0C 07 00 4D 00 28 2D 0A 65");
    rig.tellSimulator("status MODULATION_REPORT 18 00 3C 01");
    rig.tellSimulator("status FREQ_OFFSET 0B");
    ASSERT_TRUE(t.waitFor([&] { return pointer()->x() == 83; }));
    EXPECT_EQ(readFile(rig.dir() / t.probe.statisticsLog().fileName()), file);
}

} // namespace
} // namespace orvane
