#include "FakeBroadcastView.h"
#include "RecordingSender.h"

#include "config/Settings.h"
#include "modes/FakeModeSurface.h"
#include "operations/broadcast/Broadcasts.h"
#include "protocol/link/LinkState.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvane::testing {
namespace {

struct BroadcastsTest : ::testing::Test {
    LinkState link;
    Settings settings;
    RecordingSender sender;
    FakeModeSurface surface;
    FakeBroadcastView view;
    Broadcasts broadcasts{link, settings, sender, surface, view};
};

struct StartRow {
    const char* what;
    OperatingMode mode;
    std::function<void(FakeBroadcastView&, Broadcasts&)>
        operatorDoes; // presses the button and chooses
    const char* bytes;
    OperatingMode after;
    const char* panel1;
};

TEST_F(BroadcastsTest, EachModesChoicesSendTheirBytesAndEnterTheirState) {
    using M = OperatingMode;
    const StartRow rows[] = {
        {"Quoral 2DPSM", M::Quoral,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.chosen = "2DPSM";
             b.butFECClick();
         },
         "80 64 80 55 80 12 80 00", M::QuoralBroadcast, "Broadcast-TX"},
        {"Quoral, a text that is no modulation", M::Quoral,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.chosen = "9PSK";
             b.butFECClick();
         },
         "80 64 80 99 80 12 80 00", M::QuoralBroadcast, "Broadcast-TX"},
        {"Quoral, cancelled", M::Quoral, [](FakeBroadcastView&, Broadcasts& b) { b.butFECClick(); },
         "", M::Quoral, "<unset>"},
        {"AMTOR Mode B", M::Amtor,
         [](FakeBroadcastView&, Broadcasts& b) {
             b.butFECClick();
             b.butFECOKClick();
         },
         "80 1D 80 00", M::AmtorBroadcast, "FEC-TX"},
        {"AMTOR converse", M::Amtor,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.fecMode = FecMode::Converse;
             b.butFECClick();
             b.butFECOKClick();
         },
         "80 82", M::AmtorBroadcast, "<unset>"},
        {"AMTOR selective to ABCD", M::Amtor,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.fecMode = FecMode::ModeS;
             b.butFECClick();
             b.butFECOKClick();
             v.groupCallText = "ABCD";
             b.acceptGroupCall();
         },
         "80 18 80 41 80 42 80 43 80 44 80 00", M::AmtorBroadcast, "SELFEC-TX"},
        {"AMTOR selective, cancelled", M::Amtor,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.fecMode = FecMode::ModeS;
             b.butFECClick();
             b.butFECOKClick();
             b.cancelGroupCall();
         },
         "", M::Amtor, "<unset>"},
        {"P-Mode unproto at 200", M::PMode,
         [](FakeBroadcastView& v, Broadcasts& b) {
             v.at200 = true;
             b.butFECClick();
             b.acceptFecRate();
         },
         "80 F6 80 01 80 1C 80 00", M::PModeUnproto, "UNPROTO"},
        {"P-Mode unproto at 100", M::PMode,
         [](FakeBroadcastView&, Broadcasts& b) {
             b.butFECClick();
             b.acceptFecRate();
         },
         "80 F6 80 00 80 1C 80 00", M::PModeUnproto, "UNPROTO"},
        {"P-Mode, cancelled", M::PMode,
         [](FakeBroadcastView&, Broadcasts& b) {
             b.butFECClick();
             b.cancelFecRate();
         },
         "", M::PMode, "<unset>"},
        {"Baudot LTRS", M::Baudot, [](FakeBroadcastView&, Broadcasts& b) { b.butFECClick(); },
         "80 89", M::Baudot, "<unset>"},
        {"ASCII has no broadcast", M::Ascii,
         [](FakeBroadcastView&, Broadcasts& b) { b.butFECClick(); }, "", M::Ascii, "<unset>"},
    };
    for (const StartRow& row : rows) {
        sender.bytes.clear();
        surface = FakeModeSurface{};
        view = FakeBroadcastView{};
        link.operatingMode = row.mode;
        link.savedOperatingMode = OperatingMode::Psk31;
        row.operatorDoes(view, broadcasts);
        EXPECT_EQ(sender.hex(), hexOf(row.bytes)) << row.what;
        EXPECT_EQ(link.operatingMode, row.after) << row.what;
        EXPECT_EQ(link.savedOperatingMode, row.mode) << row.what;
        EXPECT_EQ(surface.panel(1), row.panel1) << row.what;
    }
}

TEST_F(BroadcastsTest, AQuoralBroadcastStoresItsModulationAndTurnsTheArqToolbarsOver) {
    settings.FECMod = "QPSM";
    view.chosen = "8P2A";
    broadcasts.butFECClick();
    EXPECT_EQ(view.offered, "QPSM");
    EXPECT_EQ(settings.FECMod, "8P2A");
    for (const std::string prefix : {"butQOR", "butAmtor", "butPMode"}) {
        EXPECT_FALSE(surface.enabled[prefix + "Connect"]) << prefix;
        EXPECT_TRUE(surface.enabled[prefix + "Disconnect"]) << prefix;
        EXPECT_TRUE(surface.enabled[prefix + "Panic"]) << prefix;
        EXPECT_TRUE(surface.enabled[prefix + "Foxes"]) << prefix;
        EXPECT_FALSE(surface.enabled[prefix + "FEC"]) << prefix;
    }
    EXPECT_TRUE(surface.enabled["mnuFilesSendtextfile"]);
    EXPECT_FALSE(surface.enabled["mnuFilesSendBinaryFile"]);
    EXPECT_FALSE(surface.enabled["mnuSpecialTest"]);
    EXPECT_TRUE(broadcasts.isBroadcasting());
    EXPECT_EQ(broadcasts.disconnectNoticeMs(), 3500);
}

TEST_F(BroadcastsTest, SelectiveBroadcastOffersTheStoredGroupCallAndKeepsTheEditedOne) {
    settings.GROUPCALL = "CQCQDX";
    link.operatingMode = OperatingMode::Amtor;
    view.fecMode = FecMode::ModeS;
    broadcasts.butFECClick();
    broadcasts.butFECOKClick();
    EXPECT_EQ(view.groupCallText, "CQCQDX");
    view.groupCallText = "XYZW";
    broadcasts.acceptGroupCall();
    EXPECT_EQ(settings.GROUPCALL, "XYZW");
    EXPECT_FALSE(surface.enabled["mnuSpecialTest"]);
    EXPECT_EQ(broadcasts.disconnectNoticeMs(), 1000);
}

TEST_F(BroadcastsTest, PanicDropsAnAmtorBroadcastBackToStandby) {
    link.operatingMode = OperatingMode::Amtor;
    link.listenMode = ListenMode::Listening;
    broadcasts.butFECClick();
    broadcasts.butFECOKClick();
    broadcasts.panicEndsAmtorBroadcast();
    EXPECT_EQ(link.operatingMode, OperatingMode::Amtor);
    EXPECT_EQ(surface.panel(1), "STBY-LISTEN");
    EXPECT_TRUE(surface.enabled["butAmtorConnect"]);
    EXPECT_FALSE(surface.enabled["butAmtorDisconnect"]);
    EXPECT_FALSE(broadcasts.isBroadcasting());
}

} // namespace
} // namespace orvane::testing
