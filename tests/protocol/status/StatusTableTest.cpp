// Every status code as a row: the follow-on items in the queue, the state
// before, and what the console shows and holds afterwards.
#include "protocol/status/StatusHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {
namespace {

using testing::Path;
using testing::StatusHarness;

using Enabled = std::map<std::string, bool>;

struct Expect {
    std::map<int, std::string> panels{};
    Enabled enabled{};
    std::map<std::string, std::string> captions{};
    std::vector<std::string> untouched{}; // controls the status must leave alone
    std::function<void(const StatusHarness&)> also{};
    int left = 0; // items still queued afterwards
};

struct Row {
    std::string name{};
    std::uint8_t code = 0;
    std::vector<int> items{};
    std::function<void(StatusHarness&)> given{};
    Expect expect{};
    std::vector<Path> paths{Path::Main, Path::InBand};
};

std::vector<int> text(const std::string& s, int terminator = 0x00) {
    std::vector<int> items(s.begin(), s.end());
    items.push_back(terminator);
    return items;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Enabled operator+(Enabled a, const Enabled& b) {
    a.insert(b.begin(), b.end());
    return a;
}

Enabled each(std::initializer_list<const char*> prefixes, const char* role, bool on) {
    Enabled states;
    for (const char* prefix : prefixes)
        states[std::string(prefix) + role] = on;
    return states;
}

// What a link status shows on the toolbars it switches.
Enabled linkedControls(std::initializer_list<const char*> prefixes) {
    return each(prefixes, "Disconnect", true) + each(prefixes, "Connect", false) +
           each(prefixes, "Panic", true) + each(prefixes, "Foxes", true) +
           each(prefixes, "FEC", false) + each(prefixes, "Over", true) +
           each(prefixes, "ForcedOver", true);
}

const std::initializer_list<const char*> kArq{"butQOR", "butAmtor", "butPMode"};
const std::initializer_list<const char*> kTor{"butAmtor", "butPMode"};

// The standby reset as every DISCONNECTED and LINK_FAILED ends it.
Enabled standbyControls() {
    return each(kTor, "ForcedOver", false) + each(kArq, "Disconnect", false) +
           each(kArq, "Connect", true) + each(kArq, "Panic", false) + each(kTor, "Over", false) +
           Enabled{{"mnuFilesSendBinaryFile", false},
                   {"mnuCode", true},
                   {"mnuConfigure", true},
                   {"mnuSpecialTest", true},
                   {"mnuFilesSendtextfile", false}};
}

void inMode(StatusHarness& h, OperatingMode mode) {
    h.link.operatingMode = mode;
    h.link.savedOperatingMode = baseMode(mode);
}

void linkedIn(StatusHarness& h, OperatingMode mode) {
    inMode(h, mode);
    h.link.linkUp = true;
}

Row stateText(int event, int panelIndex, const std::string& shown) {
    return {.name = "StateEvent" + std::to_string(event),
            .code = 0x7A,
            .items = {event},
            .expect = {.panels = {{panelIndex, shown}}, .also = [event](const StatusHarness& h) {
                           EXPECT_EQ(h.records.modReport[4], event);
                           EXPECT_TRUE(h.records.statsFresh);
                       }}};
}

std::vector<Row> rows() {
    std::vector<Row> table = {
        // Link statuses.
        {.name = "LinkedShowsTheCallEndedByZero",
         .code = 0x20,
         .items = text("W1AW"),
         .given = [](StatusHarness& h) { h.timers.startMonitorTimer(); },
         .expect = {.panels = {{1, "Linked to W1AW"}},
                    .enabled = {{"butQORDisconnect", true},
                                {"butQORConnect", false},
                                {"butQORPanic", true},
                                {"butQORFoxes", true},
                                {"butQORFEC", false},
                                {"butQORCallCQ", false},
                                {"mnuFilesSendBinaryFile", true},
                                {"mnuFilesSendtextfile", true},
                                {"mnuCode", false},
                                {"mnuSpecialTest", false}},
                    .captions = {{"butQORCallCQ", "Call CQ"}},
                    .untouched = {"butAmtorConnect", "butPModeConnect", "butAsciiFoxes"},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.link.linkUp);
                            EXPECT_EQ(h.link.savedOperatingMode, OperatingMode::Quoral);
                            EXPECT_FALSE(h.timers.monitorTimer().isActive());
                            EXPECT_EQ(h.sound.beeps, 1);
                        }},
         .paths = {Path::Main}},
        {.name = "LinkedCallEndsAtByte0x85",
         .code = 0x20,
         .items = text("K1ABC", 0x85) + std::vector<int>{'Z'},
         .expect = {.panels = {{1, "Linked to K1ABC"}}, .left = 1}},
        {.name = "LinkedCallEndsAtAStatusItem",
         .code = 0x20,
         .items = {'W', '1', 0x8000},
         .expect = {.panels = {{1, "Linked to W1"}}}},
        {.name = "LinkedCallIsCutAt19ButReadToItsEnd",
         .code = 0x20,
         .items = text("ABCDEFGHIJKLMNOPQRSTUVWXY") + std::vector<int>{'Z'},
         .expect = {.panels = {{1, "Linked to ABCDEFGHIJKLMNOPQRS"}}, .left = 1}},
        {.name = "LinkedInBandSwitchesEveryArqToolbar",
         .code = 0x20,
         .items = text("W1AW"),
         .expect = {.panels = {{1, "Linked to W1AW"}},
                    .enabled = each(kArq, "Disconnect", true) + each(kArq, "Panic", true) +
                               each(kArq, "Connect", false) + each(kArq, "Foxes", true) +
                               each(kArq, "FEC", false) + each(kTor, "Over", false) +
                               each(kArq, "CallCQ", false) +
                               Enabled{{"butAsciiFoxes", true},
                                       {"mnuFilesSendBinaryFile", true},
                                       {"mnuCode", false}},
                    .captions = {{"butQORCallCQ", "Call CQ"},
                                 {"butAmtorCallCQ", "Call CQ"},
                                 {"butPModeCallCQ", "Call CQ"}},
                    .also = [](const StatusHarness& h) { EXPECT_TRUE(h.link.linkUp); }},
         .paths = {Path::InBand}},
        {.name = "Amtor476LinkSwitchesToAmtor",
         .code = 0x29,
         .items = {0x00},
         .expect = {.panels = {{0, "AMTOR"}, {1, "476 Link"}},
                    .enabled = linkedControls(kTor) + Enabled{{"mnuFilesSendtextfile", true},
                                                              {"mnuCode", false},
                                                              {"mnuConfigure", true},
                                                              {"mnuSpecialTest", false}},
                    .untouched = {"butQORConnect"},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.link.operatingMode, OperatingMode::Amtor);
                            EXPECT_EQ(h.link.savedOperatingMode, OperatingMode::Quoral);
                            ASSERT_EQ(h.session.endOfLine.size(), 1u);
                            EXPECT_EQ(h.session.endOfLine[0].first, "CR LF LTRS");
                            EXPECT_EQ(h.session.endOfLine[0].second, EndOfLineWords::All);
                            EXPECT_TRUE(h.link.linkUp);
                            EXPECT_EQ(h.sound.beeps, 1);
                        }}},
        {.name = "Amtor625LinkKeepsTheMode",
         .code = 0x2A,
         .items = text("DL0ABC"),
         .given = [](StatusHarness& h) { inMode(h, OperatingMode::Amtor); },
         .expect = {.panels = {{1, "625 link to DL0ABC"}},
                    .enabled = linkedControls({"butAmtor"}) +
                               Enabled{{"mnuFilesSendtextfile", true}, {"mnuCode", false}},
                    .untouched = {"butPModeConnect", "butPModeForcedOver"},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.link.operatingMode, OperatingMode::Amtor);
                            EXPECT_FALSE(h.timers.commandTimer().isActive());
                            EXPECT_TRUE(h.link.linkUp);
                        }},
         .paths = {Path::Main}},
        {.name = "Amtor625LinkInBandAlsoOffersPModeForcedOver",
         .code = 0x2A,
         .items = text("DL0ABC"),
         .expect = {.enabled = linkedControls({"butAmtor"}) + Enabled{{"butPModeForcedOver", true}},
                    .untouched = {"butPModeConnect"}},
         .paths = {Path::InBand}},
        {.name = "PModeLinkSwitchesToPModeWithTheTone",
         .code = 0x2B,
         .items = text("W1AW"),
         .expect =
             {.panels = {{0, "P-Mode"}, {1, "Linked to W1AW"}},
              .enabled = linkedControls(kTor) + Enabled{{"mnuFilesSendtextfile", true},
                                                        {"mnuCode", false},
                                                        {"mnuSpecialTest", false}},
              .also =
                  [](const StatusHarness& h) {
                      EXPECT_EQ(h.link.operatingMode, OperatingMode::PMode);
                      EXPECT_EQ(h.link.savedOperatingMode, OperatingMode::Quoral);
                      ASSERT_EQ(h.session.endOfLine.size(), 1u);
                      EXPECT_EQ(h.session.endOfLine[0].first, "CR");
                      EXPECT_EQ(h.session.endOfLine[0].second, EndOfLineWords::CrAndCrLfOnly);
                      EXPECT_EQ(h.sound.tones, (std::vector<std::pair<int, int>>{{800, 1000}}));
                      EXPECT_EQ(h.sound.beeps, 0);
                      EXPECT_FALSE(h.timers.commandTimer().isActive());
                  }},
         .paths = {Path::Main}},
        {.name = "PModeLinkInBandBeeps",
         .code = 0x2B,
         .items = text("W1AW"),
         .expect = {.panels = {{0, "P-Mode"}, {1, "Linked to W1AW"}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.sound.tones.empty());
                            EXPECT_EQ(h.sound.beeps, 1);
                        }},
         .paths = {Path::InBand}},

        // Announcements, each returned to standby by MonitorTimer.
        {.name = "FecCcbFrom",
         .code = 0x21,
         .items = text("W1AW"),
         .expect = {.panels = {{1, "FEC CCB from W1AW"}},
                    .enabled = {{"mnuSpecialTest", false}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.timers.monitorTimer().isActive());
                            EXPECT_EQ(h.timers.monitorTimer().interval(), 15000);
                        }}},
        {.name = "ArqCcbFrom",
         .code = 0x22,
         .items = text("W1AW"),
         .expect = {.panels = {{1, "ARQ CCB from W1AW"}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.timers.monitorTimer().isActive());
                        }}},
        {.name = "ArqCallTo",
         .code = 0x28,
         .items = text("W1AW"),
         .expect = {.panels = {{1, "ARQ Call to W1AW"}}}},
        {.name = "ArqLinkRequestDiscardsOne",
         .code = 0x27,
         .items = {0x55, 0x56},
         .expect = {.panels = {{1, "ARQ Link Request"}}, .left = 1}},
        {.name = "CqFromOffersAnAnswer",
         .code = 0x26,
         .items = text("W1AW"),
         .expect = {.panels = {{1, "CQ from W1AW"}},
                    .captions = {{"butQORCallCQ", "Answer CQ"}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.link.answerCqPending);
                            EXPECT_TRUE(h.timers.cqTimer().isActive());
                            EXPECT_EQ(h.timers.cqTimer().interval(), 5000);
                            EXPECT_TRUE(h.timers.monitorTimer().isActive());
                        }}},
        {.name = "SelfecToShowsTheSecondOfEachPair",
         .code = 0x2C,
         .items = {0x20, 0x41, 0x20, 0x42, 0x20, 0x00},
         .expect = {.panels = {{1, "SELFEC to AB"}}}},
        {.name = "PairText2DIsReadToItsEnd",
         .code = 0x2D,
         .items = {1, 2, 3, 0, 9},
         .expect = {.also = [](const StatusHarness& h) { EXPECT_TRUE(h.surface.panels.empty()); },
                    .left = 1}},
        {.name = "PairText2EIsReadToItsEnd",
         .code = 0x2E,
         .items = {0x41, 0x00, 9},
         .expect = {.left = 1}},

        // Echo.
        {.name = "EchoOff",
         .code = 0x30,
         .given = [](StatusHarness& h) { h.link.txActive = true; },
         .expect = {.also = [](const StatusHarness& h) { EXPECT_EQ(h.session.echoMode, false); }},
         .paths = {Path::Main}},
        {.name = "EchoOn",
         .code = 0x31,
         .expect = {.also = [](const StatusHarness& h) { EXPECT_EQ(h.session.echoMode, true); }},
         .paths = {Path::Main}},
        {.name = "EchoOffInBandNotWhileTransmitting",
         .code = 0x30,
         .items = {0x41},
         .given = [](StatusHarness& h) { h.link.txActive = true; },
         .expect = {.also = [](const StatusHarness& h) { EXPECT_FALSE(h.session.echoMode); },
                    .left = 1},
         .paths = {Path::InBand}},
        {.name = "EchoOnInBandNeedsAQuoralLink",
         .code = 0x31,
         .expect = {.also = [](const StatusHarness& h) { EXPECT_FALSE(h.session.echoMode); }},
         .paths = {Path::InBand}},
        {.name = "EchoOnInBandOnAQuoralLink",
         .code = 0x31,
         .given = [](StatusHarness& h) { linkedIn(h, OperatingMode::Quoral); },
         .expect = {.also = [](const StatusHarness& h) { EXPECT_EQ(h.session.echoMode, true); }},
         .paths = {Path::InBand}},
        {.name = "EchoOnInBandOutsideQuoral",
         .code = 0x31,
         .given = [](StatusHarness& h) { inMode(h, OperatingMode::Amtor); },
         .expect = {.also = [](const StatusHarness& h) { EXPECT_EQ(h.session.echoMode, true); }},
         .paths = {Path::InBand}},

        // Statistics and tuning.
        {.name = "TuneLevelsAreEveryOtherItem",
         .code = 0x70,
         .items = {10, 1, 20, 2, 30, 3, 40, 4},
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.records.tuneLevels.current,
                                      (std::array<std::uint8_t, 4>{10, 20, 30, 40}));
                            EXPECT_TRUE(h.records.statsFresh);
                            EXPECT_EQ(h.monitor.calls, std::vector<std::string>{"ShowTuneLevels"});
                        }}},
        {.name = "LinkStatisticsFillFourteenBytes",
         .code = 0x72,
         .items = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 99},
         .expect = {.also =
                        [](const StatusHarness& h) {
                            for (int i = 0; i < 14; ++i)
                                EXPECT_EQ(h.records.linkStats[static_cast<size_t>(i)], i + 1);
                            EXPECT_EQ(h.records.linkStats[14], 0);
                            EXPECT_EQ(h.records.linkStats[15], 0);
                            EXPECT_EQ(h.monitor.calls,
                                      std::vector<std::string>{"ShowLinkStatistics"});
                        },
                    .left = 1}},
        {.name = "ModulationReportShowsNormalBias",
         .code = 0x75,
         .items = {0x18, 0x00, 0x1D, 0x00},
         .given = [](StatusHarness& h) { linkedIn(h, OperatingMode::Quoral); },
         .expect = {.panels = {{2, "NORMAL"}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.records.modReport[2], 0x1D);
                            EXPECT_EQ(h.records.biasMax, 1);
                            EXPECT_EQ(h.monitor.calls, std::vector<std::string>{"ShowModulations"});
                        }}},
        {.name = "ModulationReportShowsTheHighestBiasSinceStart",
         .code = 0x75,
         .items = {0x18, 0x00, 0x1D, 0x00},
         .given =
             [](StatusHarness& h) {
                 linkedIn(h, OperatingMode::Quoral);
                 h.records.biasMax = 2;
             },
         .expect = {.panels = {{2, "FAST"}},
                    .also = [](const StatusHarness& h) { EXPECT_EQ(h.records.biasMax, 2); }}},
        {.name = "ModulationReportOffALinkLeavesPanel2",
         .code = 0x75,
         .items = {0x18, 0x00, 0x02, 0x00},
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.records.biasMax, 2);
                            EXPECT_EQ(h.surface.panels.count(2), 0u);
                        }}},
        {.name = "ModulationReportBias3LeavesPanel2",
         .code = 0x75,
         .items = {0x00, 0x00, 0x03, 0x00},
         .given = [](StatusHarness& h) { linkedIn(h, OperatingMode::Quoral); },
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.records.biasMax, 3);
                            EXPECT_EQ(h.surface.panels.count(2), 0u);
                        }}},
        {.name = "ModulationReportIsLoggedWhileLogging",
         .code = 0x75,
         .items = {0x18, 0x00, 0x1C, 0x00},
         .given = [](StatusHarness& h) { h.monitor.logging = true; },
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.monitor.calls, (std::vector<std::string>{"ShowModulations",
                                                                                 "LogStatistics"}));
                        }}},
        {.name = "FreqOffsetIsSignedAndClosesTheFaxPanel",
         .code = 0x7E,
         .items = {0xF6},
         .given = [](StatusHarness& h) { h.surface.showCentredPanel(Control::FaxPanel); },
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.records.freqOffset, -10);
                            EXPECT_TRUE(h.records.statsFresh);
                            EXPECT_EQ(h.monitor.calls, std::vector<std::string>{"ShowFreqOffset"});
                            EXPECT_FALSE(h.surface.isPanelVisible(Control::FaxPanel));
                        }}},

        // CQ events.
        {.name = "CqEvent0RestoresCallCq",
         .code = 0x73,
         .items = {0},
         .expect = {.captions = {{"butQORCallCQ", "Call CQ"},
                                 {"butAmtorCallCQ", "Call CQ"},
                                 {"butPModeCallCQ", "Call CQ"}},
                    .also = [](const StatusHarness& h) { EXPECT_TRUE(h.records.statsFresh); }}},
        {.name = "CqEvent102IsCallingCq",
         .code = 0x73,
         .items = {102},
         .expect = {.panels = {{1, "Calling CQ"}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.link.cqPending);
                            EXPECT_EQ(h.records.linkStats[15], 102);
                        }}},
        {.name = "CqEvent138", .code = 0x73, .items = {138}, .expect = {.panels = {{3, "TXT"}}}},
        {.name = "CqEvent139", .code = 0x73, .items = {139}, .expect = {.panels = {{3, "TXT"}}}},
        {.name = "CqEvent140", .code = 0x73, .items = {140}, .expect = {.panels = {{3, "RPT"}}}},
        {.name = "CqEvent160", .code = 0x73, .items = {160}, .expect = {.panels = {{3, "IDL"}}}},
        {.name = "CqEventOtherDoesNothing",
         .code = 0x73,
         .items = {141},
         .expect = {.also = [](const StatusHarness& h) { EXPECT_TRUE(h.surface.panels.empty()); }}},

        // State events beyond the plain texts.
        {.name = "StateEvent6TransmitsInBaudot",
         .code = 0x7A,
         .items = {6},
         .given = [](StatusHarness& h) { inMode(h, OperatingMode::Baudot); },
         .expect = {.panels = {{2, "TX"}},
                    .enabled = {{"mnuCode", false}, {"butBaudotPanic", true}},
                    .untouched = {"butAsciiPanic"},
                    .also = [](const StatusHarness& h) { EXPECT_TRUE(h.link.txActive); }}},
        {.name = "StateEvent7ReceivesInAscii",
         .code = 0x7A,
         .items = {7},
         .given =
             [](StatusHarness& h) {
                 inMode(h, OperatingMode::Ascii);
                 h.link.txActive = true;
             },
         .expect = {.panels = {{2, "RX"}},
                    .enabled = {{"mnuCode", true},
                                {"mnuConfigure", true},
                                {"butAsciiPanic", false}},
                    .untouched = {"butBaudotPanic"},
                    .also = [](const StatusHarness& h) { EXPECT_FALSE(h.link.txActive); }}},
        {.name = "StateEvent12EndsAnAmtorBroadcast",
         .code = 0x7A,
         .items = {12},
         .given =
             [](StatusHarness& h) {
                 inMode(h, OperatingMode::AmtorBroadcast);
                 h.link.cqPending = true;
                 h.link.listenMode = ListenMode::Listening;
             },
         .expect = {.panels = {{1, "STBY-LISTEN"}, {2, ""}, {3, ""}, {4, ""}, {5, ""}},
                    // The CQ step comes after the broadcast branch and re-enables
                    // butAmtorCallCQ.
                    .enabled = each(kArq, "Disconnect", false) + each(kArq, "Connect", true) +
                               each(kArq, "FEC", true) + each(kArq, "CallCQ", true) +
                               Enabled{{"butAmtorFoxes", false},
                                       {"mnuFilesSendtextfile", false},
                                       {"mnuFilesSendBinaryFile", false}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.link.operatingMode, OperatingMode::Amtor);
                            EXPECT_FALSE(h.link.cqPending);
                            EXPECT_EQ(h.sound.beeps, 1);
                        }}},
        {.name = "StateEvent16LeavesTheBinaryMenu",
         .code = 0x7A,
         .items = {16},
         .given =
             [](StatusHarness& h) {
                 inMode(h, OperatingMode::AmtorBroadcast);
                 h.surface.menus().note(MenuEvent::FilesStoppedInQuoral); // the binary send offered
             },
         .expect = {.panels = {{1, "STBY-LISTEN"}},
                    .enabled = {{"mnuFilesSendtextfile", false},
                                {"butAmtorCallCQ", false},
                                {"mnuFilesSendBinaryFile", true}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.link.operatingMode, OperatingMode::Amtor);
                        }}},
        {.name = "StateEvent17KeepsTheCqCall",
         .code = 0x7A,
         .items = {17},
         .given =
             [](StatusHarness& h) {
                 h.link.cqPending = true;
                 h.link.linkUp = true;
                 h.link.listenMode = ListenMode::Listening;
             },
         .expect = {.panels = {{1, "STBY"}, {2, ""}},
                    .enabled = each(kArq, "FEC", true),
                    .untouched = {"butQORCallCQ", "mnuFilesSendBinaryFile"},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_TRUE(h.link.cqPending);
                            EXPECT_TRUE(h.link.linkUp);
                        }}},
        {.name = "StateEvent13",
         .code = 0x7A,
         .items = {13},
         .given = [](StatusHarness& h) { h.link.listenMode = ListenMode::Listening; },
         .expect = {.panels = {{1, "STBY"}},
                    .also = [](const StatusHarness& h) { EXPECT_EQ(h.sound.beeps, 1); }}},
        {.name = "StateEvent14IsIss",
         .code = 0x7A,
         .items = {14},
         .expect = {.panels = {{3, "ISS"}},
                    .enabled = {{"butBaudotFoxes", true},
                                {"butAsciiFoxes", true},
                                {"butAmtorFoxes", true},
                                {"butPModeFoxes", true}},
                    .also = [](const StatusHarness& h) { EXPECT_EQ(h.link.issIrs, IssIrs::Iss); }}},
        {.name = "StateEvent15IsIrs",
         .code = 0x7A,
         .items = {15},
         .expect = {.panels = {{3, "IRS"}},
                    .also = [](const StatusHarness& h) { EXPECT_EQ(h.link.issIrs, IssIrs::Irs); }}},
        {.name = "StateEventOtherDoesNothing",
         .code = 0x7A,
         .items = {23},
         .expect = {.also = [](const StatusHarness& h) { EXPECT_TRUE(h.surface.panels.empty()); }}},

        // Back to standby.
        {.name = "DisconnectedAfterAnAmtorBroadcast",
         .code = 0x23,
         .items = {0x00, 'Z'},
         .given =
             [](StatusHarness& h) {
                 linkedIn(h, OperatingMode::AmtorBroadcast);
                 h.records.linkStats.fill(7);
                 h.records.modReport.fill(7);
                 h.records.tuneLevels.current.fill(7);
                 h.surface.setPanel(6, "WORD");
                 h.surface.showCentredPanel(Control::FaxPanel);
             },
         .expect =
             {.panels =
                  {{0, "AMTOR"}, {1, "STBY"}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {6, "WORD"}},
              .enabled = standbyControls() + each(kArq, "FEC", true) + each(kArq, "Foxes", false),
              .untouched = {"butQORCallCQ", "butAsciiFoxes", "butQORTXEnable"},
              .also =
                  [](const StatusHarness& h) {
                      EXPECT_EQ(h.link.operatingMode, OperatingMode::Amtor);
                      EXPECT_FALSE(h.link.linkUp);
                      for (size_t i = 0; i < 14; ++i)
                          EXPECT_EQ(h.records.linkStats[i], 0);
                      EXPECT_EQ(h.records.linkStats[15], 7);
                      EXPECT_EQ(h.records.modReport, (ModReport{0, 0, 0, 0, 7}));
                      EXPECT_EQ(h.records.tuneLevels.current, (std::array<std::uint8_t, 4>{}));
                      EXPECT_EQ(h.session.echoPendingResets, 1);
                      EXPECT_EQ(h.session.textSendStops, 1);
                      EXPECT_EQ(h.surface.txPaneEditable, true);
                      EXPECT_EQ(h.sound.beeps, 1);
                      EXPECT_TRUE(h.surface.isPanelVisible(Control::FaxPanel));
                  },
              .left = 1},
         .paths = {Path::Main}},
        {.name = "DisconnectedInBandRestoresQuoralTraffic",
         .code = 0x23,
         .items = {0x00},
         .given =
             [](StatusHarness& h) {
                 linkedIn(h, OperatingMode::Quoral);
                 h.link.cqPending = true;
                 h.surface.showCentredPanel(Control::FaxPanel);
             },
         .expect = {.panels = {{1, "STBY"}},
                    .enabled = standbyControls() + each(kArq, "FEC", true) +
                               Enabled{{"butQORTXEnable", true},
                                       {"butQORMsg0", true},
                                       {"butQORMsgPlus", true},
                                       {"butQORdeMY", true},
                                       {"butQORHisDeMY", true},
                                       {"butQORCallCQ", true},
                                       {"butAsciiFoxes", false}},
                    .also =
                        [](const StatusHarness& h) {
                            EXPECT_FALSE(h.link.cqPending);
                            EXPECT_FALSE(h.surface.isPanelVisible(Control::FaxPanel));
                            EXPECT_EQ(h.surface.panels.count(0), 0u);
                        }},
         .paths = {Path::InBand}},
        {.name = "DisconnectedInBaudotOffersTheFskFoxes",
         .code = 0x23,
         .items = {0x00},
         .given = [](StatusHarness& h) { inMode(h, OperatingMode::Baudot); },
         .expect = {.enabled = {{"butBaudotFoxes", true}, {"butAsciiFoxes", true}},
                    .untouched = {"butQORFEC", "butQORFoxes"}}},
        {.name = "LinkFailedFromUnprotoEndsInPMode",
         .code = 0x24,
         .items = {0x00},
         .given =
             [](StatusHarness& h) {
                 linkedIn(h, OperatingMode::PModeUnproto);
                 h.link.savedOperatingMode = OperatingMode::PModeUnproto;
                 h.surface.setPanel(6, "WORD");
             },
         .expect =
             {.panels = {{0, "P-Mode"}, {1, "STBY"}, {2, ""}, {3, ""}, {4, ""}, {5, ""}, {6, ""}},
              .enabled = standbyControls() + each(kArq, "FEC", true),
              .captions = {{"DisconnectPanel", "Link Failed!"}},
              .untouched = {"butQORFoxes"},
              .also =
                  [](const StatusHarness& h) {
                      EXPECT_EQ(h.link.operatingMode, OperatingMode::PMode);
                      EXPECT_FALSE(h.link.linkUp);
                      EXPECT_EQ(h.session.fileActivitiesClosed, 1);
                      EXPECT_TRUE(h.surface.isPanelVisible(Control::DisconnectPanel));
                      EXPECT_TRUE(h.timers.waitTimer().isActive());
                      EXPECT_EQ(h.timers.waitTimer().interval(), 1500);
                      EXPECT_EQ(h.sound.beeps, 1);
                  }},
         .paths = {Path::Main}},
        {.name = "LinkFailedInBandKeepsPanel6",
         .code = 0x24,
         .items = {0x00},
         .given = [](StatusHarness& h) { h.surface.setPanel(6, "WORD"); },
         .expect = {.panels = {{2, ""}, {5, ""}, {6, "WORD"}}},
         .paths = {Path::InBand}},
        {.name = "LinkFailedWhileCallingCqOffersCallCqAgain",
         .code = 0x24,
         .items = {0x00},
         .given =
             [](StatusHarness& h) {
                 linkedIn(h, OperatingMode::Amtor);
                 h.link.cqPending = true;
             },
         .expect = {.enabled = each(kArq, "CallCQ", true),
                    .also = [](const StatusHarness& h) { EXPECT_FALSE(h.link.cqPending); }}},
        {.name = "LinkFailedInAsciiOffersFoxesNotFec",
         .code = 0x24,
         .items = {0x00},
         .given = [](StatusHarness& h) { inMode(h, OperatingMode::Ascii); },
         .expect = {.enabled = {{"butBaudotFoxes", true}, {"butAsciiFoxes", true}},
                    .untouched = {"butQORFEC", "butAmtorFEC"}}},

        // Hardware reset, ignored and unknown codes.
        {.name = "HwResetShowsThePanelAndConsumesNothing",
         .code = 0x09,
         .items = text("W1AW"),
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.surface.shown,
                                      std::vector<std::string>{"HardwareResetPanel"});
                            EXPECT_TRUE(h.timers.resetTimer().isActive());
                            EXPECT_EQ(h.timers.resetTimer().interval(), 6000);
                            EXPECT_FALSE(h.link.linkUp);
                            EXPECT_TRUE(h.surface.panels.empty());
                        },
                    .left = 5}},
        {.name = "HwResetWhileItsPanelShowsIsIgnored",
         .code = 0x09,
         .given = [](StatusHarness& h) { h.surface.showCentredPanel(Control::HardwareResetPanel); },
         .expect = {.also =
                        [](const StatusHarness& h) {
                            EXPECT_EQ(h.surface.shown.size(), 1u);
                            EXPECT_FALSE(h.timers.resetTimer().isActive());
                        }}},
        {.name = "Ignored71DiscardsOne", .code = 0x71, .items = {1, 2}, .expect = {.left = 1}},
        {.name = "Ignored74DiscardsOne", .code = 0x74, .items = {1, 2}, .expect = {.left = 1}},
        {.name = "Ignored7DDiscardsOne", .code = 0x7D, .items = {1, 2}, .expect = {.left = 1}},
        {.name = "Ignored7CDiscardsTwo", .code = 0x7C, .items = {1, 2, 3}, .expect = {.left = 1}},
        {.name = "Ignored7FDiscardsTwo", .code = 0x7F, .items = {1, 2, 3}, .expect = {.left = 1}},
        {.name = "UnknownCode33ConsumesNothing",
         .code = 0x33,
         .items = {1, 2},
         .expect = {.also = [](const StatusHarness& h) { EXPECT_TRUE(h.surface.panels.empty()); },
                    .left = 2}},
    };
    for (const auto& [event, panelIndex, shown] :
         std::vector<std::tuple<int, int, std::string>>{{0, 2, ""},
                                                        {1, 2, "TFC"},
                                                        {2, 2, "RQ"},
                                                        {3, 2, "ERR"},
                                                        {4, 2, "PHS"},
                                                        {5, 2, "OVER"},
                                                        {8, 4, "100"},
                                                        {9, 4, "200"},
                                                        {10, 5, "HUFFMAN ON"},
                                                        {11, 5, "HUFFMAN OFF"},
                                                        {18, 1, "FEC-TX"},
                                                        {19, 1, "FEC-RX"},
                                                        {20, 1, "FEC-TX"},
                                                        {21, 1, "FREE SIG TX"},
                                                        {22, 1, "FREE SIG TIMEOUT"}})
        table.push_back(stateText(event, panelIndex, shown));
    return table;
}

struct Case {
    Row row;
    Path path;
};

std::vector<Case> cases() {
    std::vector<Case> all;
    for (auto& row : rows())
        for (const Path path : row.paths)
            all.push_back({row, path});
    return all;
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.row.name;
}

class StatusTable : public ::testing::TestWithParam<Case> {};

TEST_P(StatusTable, Row) {
    const auto& [row, path] = GetParam();
    StatusHarness h;
    if (row.given) row.given(h);
    h.feed(row.items);
    h.dispatch(path, row.code);

    const auto& expect = row.expect;
    for (const auto& [index, text] : expect.panels)
        EXPECT_EQ(h.surface.panel(index), text) << "panel " << index;
    for (const auto& [name, on] : expect.enabled) {
        const auto it = h.surface.enabled.find(name);
        if (it == h.surface.enabled.end())
            ADD_FAILURE() << name << " not switched";
        else
            EXPECT_EQ(it->second, on) << name;
    }
    for (const auto& [name, caption] : expect.captions)
        EXPECT_EQ(h.surface.captions[name], caption) << name;
    for (const auto& name : expect.untouched)
        EXPECT_EQ(h.surface.enabled.count(name), 0u) << name << " switched";
    EXPECT_EQ(h.queue.count(), expect.left) << "items left in the queue";
    if (expect.also) expect.also(h);
}

INSTANTIATE_TEST_SUITE_P(Codes, StatusTable, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             return param.param.row.name +
                                    (param.param.path == Path::Main ? "_Main" : "_InBand");
                         });

} // namespace
} // namespace orvane
