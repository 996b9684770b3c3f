#include "modes/FakeModeSurface.h"
#include "monitor/StatisticsLog.h"
#include "monitor/StatisticsText.h"
#include "operations/StatisticsRecorder.h"
#include "support/ManualClock.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the window shows and the file logs for the same figures.
TEST(StatisticsFigures, WindowAndFileReadTheSameBytesDifferently) {
    LinkStats stats{};
    stats[1] = 84;   // S/N 42 dB, shown halved
    stats[3] = 0xFD; // -3
    stats[4] = 60;
    stats[5] = 12;
    stats[6] = 100;
    stats[8] = 77;
    stats[10] = 0x80; // -128
    stats[11] = 45;
    stats[12] = 10;
    stats[13] = 101; // beyond counting
    const StationFigures local = stationFigures(stats, false);
    const StationFigures remote = stationFigures(stats, true);
    EXPECT_EQ((std::vector{local.snr, local.freq, local.tput, local.phs, local.ecc}),
              (std::vector<std::string>{"42", "-3", "60", "12", "100"}));
    EXPECT_EQ((std::vector{remote.snr, remote.freq, remote.tput, remote.phs, remote.ecc}),
              (std::vector<std::string>{"38", "-128", "45", "10", "XX"}));
    const LocalTime t{3, 5, 9, 8, 12};
    EXPECT_EQ(statsRow(t, "MYCALL", "BPSM", stats, false),
              "090812,MYCALL,BPSM,84,125,60,12,100\r\n");
    EXPECT_EQ(statsRow(t, "HISCALL", "", stats, true), "090812,HISCALL,,77,0,45,10,101\r\n");
}

TEST(StatisticsFigures, ModulationNamesAndFileNames) {
    const std::pair<std::uint8_t, std::optional<std::string>> modulations[] = {
        {0x00, ""},           {0x05, "CWID"},       {0x18, "BPSM"},
        {0x1D, "QPSM"},       {0x2D, "16P4A"},      {0x2B, "16PSM"},
        {0x30, std::nullopt}, {0x3C, std::nullopt}, {0xC0 | 0x18, "BPSM"}};
    for (const auto& [byte, name] : modulations)
        EXPECT_EQ(modulationName(modulationNumber(byte)), name) << int(byte);
    EXPECT_EQ(statsFileName({3, 5, 9, 7, 0}), "03050907.TST");
    EXPECT_EQ(statsFileName({12, 31, 23, 59, 58}), "12312359.TST");
}

struct StatisticsFile : ::testing::Test {
    void SetUp() override {
        dir = fs::temp_directory_path() / ("orvane-stats-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        log = StatisticsLog(dir);
        // December 31, 23:59:58 local time, an hour east of UTC.
        clock.setLocalOffsetMinutes(60);
        clock.setWallClock(sys_days{2026y / December / 31} + 22h + 59min + 58s);
        link.operatingMode = OperatingMode::Quoral;
        link.linkUp = true;
    }
    void TearDown() override { fs::remove_all(dir); }

    void report(std::uint8_t localMod, std::uint8_t remoteMod, std::uint8_t snr) {
        records.linkStats[1] = snr;
        records.linkStats[8] = snr;
        records.modReport[0] = localMod;
        records.modReport[2] = remoteMod;
        records.statsFresh = true;
        if (log.logging())
            log.LogStatistics(records, link, recorder.localTime(), "MYCALL", "HISCALL");
    }

    fs::path dir;
    testing::ManualClock clock;
    testing::FakeModeSurface surface;
    StatisticsLog log{dir};
    StatisticsRecorder recorder{log, surface, clock};
    StatusRecords records;
    LinkState link;
};

TEST_F(StatisticsFile, AScriptedLinkGivesTheWholeFile) {
    recorder.mnuFilesSaveStatisticsClick();
    EXPECT_EQ(surface.panel(5), "Saving: 12312359.TST");
    EXPECT_TRUE(surface.isPanelVisible(Control::StatisticsHeaderPanel));
    EXPECT_FALSE(surface.enabled["mnuFilesSaveStatistics"]);
    EXPECT_TRUE(surface.enabled["mnuFilesStopSaveSend"]);

    report(0x18, 0x1D, 80); // before OK: into a file that OK empties
    recorder.acceptHeader("14.0675", "Ann", "dipole");
    EXPECT_FALSE(surface.isPanelVisible(Control::StatisticsHeaderPanel));
    EXPECT_EQ(surface.panel(5), "12312359.TST");
    report(0x18, 0x1D, 84);
    clock.advance(1000);
    report(0x3C, 0x28, 0xF0); // no names for 15; S/N above 127 keeps its low seven bits
    link.linkUp = false;
    report(0x18, 0x18, 50); // outside a link: nothing
    EXPECT_FALSE(records.statsFresh);
    recorder.stop();
    report(0x18, 0x18, 50);

    EXPECT_EQ(readAll(dir / "12312359.TST"), "12312359.TST\r\n"
                                             "Frequency: 14.0675\tName: Ann\tOther: dipole\r\n"
                                             "Time(hhmmss),Call,MOD,SNR,Freq,TPUT,Phase,ECC\r\n"
                                             "\r\n"
                                             "235958,MYCALL,BPSM,84,0,0,0,0\r\n"
                                             "235958,HISCALL,QPSM,84,0,0,0,0\r\n"
                                             "235959,MYCALL,,112,0,0,0,0\r\n"
                                             "235959,HISCALL,16PSM,112,0,0,0,0\r\n");
    EXPECT_TRUE(surface.enabled["mnuFilesSaveStatistics"]);
}

TEST_F(StatisticsFile, FilesThatCannotBeWrittenStopOrDeferTheLogging) {
    recorder.mnuFilesSaveStatisticsClick();
    // A directory in the file's place: neither the header nor a row can be written.
    fs::create_directories(log.filePath());
    report(0x18, 0x18, 50);
    EXPECT_TRUE(records.statsFresh) << "the figures wait for the next report";
    recorder.acceptHeader("", "", "");
    EXPECT_FALSE(log.logging());
    EXPECT_FALSE(surface.isPanelVisible(Control::StatisticsHeaderPanel));

    recorder.mnuFilesSaveStatisticsClick();
    recorder.cancelHeader();
    EXPECT_FALSE(log.logging());
    EXPECT_FALSE(surface.enabled["mnuFilesSaveStatistics"]) << "Cancel leaves the menu as it was";
}

} // namespace
} // namespace orvane
