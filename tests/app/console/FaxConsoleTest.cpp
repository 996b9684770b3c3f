// A FAX transfer that the modems carry, as the simulated modem reports it and the operator
// sees it on the FAX panel; Panic in the middle of one.
#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "ui/surface/ModeToolbars.h"

#include <QAction>
#include <QDialog>
#include <QLabel>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;

struct FaxConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void SetUp() override {
        t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
        ASSERT_TRUE(t.startUp());
    }
    QString label(const char* name) {
        return t.console.mainWindow().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool panelShown() {
        return t.console.mainWindow()
            .findChild<QWidget*>(QStringLiteral("FAXTransferPanel"))
            ->isVisible();
    }
    QAction* button(const char* name) {
        return toolbarButton(t.console.mainWindow(), QString::fromLatin1(name));
    }
    bool waitFor(const std::function<bool()>& done, int ms = 10000) { return t.waitFor(done, ms); }
};

TEST_F(FaxConsole, APanelFollowsTheTransferFromStartToSuccessAndClearsASecondAfter) {
    rig.tellSimulator("fax send AB1CD 5000 3 150 ok");
    ASSERT_TRUE(waitFor([&] { return panelShown(); }));
    EXPECT_FALSE(button("butQORConnect")->isEnabled()) << "the Quoral toolbar is busy";
    EXPECT_TRUE(button("butQORPanic")->isEnabled());
    ASSERT_TRUE(
        waitFor([&] { return label("FAXTransferLabel") == "Sending FAX to Station: AB1CD"; }));
    EXPECT_EQ(t.console.mainWindow().panel(1), "Linked to AB1CD");
    ASSERT_TRUE(waitFor([&] { return label("FAXStatusLabel") == "Transfer Success!"; }));
    EXPECT_EQ(label("FAXTotalBytes"), "5000");
    EXPECT_EQ(label("FAXReceivedBytes"), "5000");
    EXPECT_EQ(t.console.mainWindow().panel(1), "");

    ASSERT_TRUE(waitFor([&] { return !panelShown(); })) << "cleared after the end report";
    EXPECT_EQ(label("FAXTransferLabel"), "");
    EXPECT_TRUE(button("butQORConnect")->isEnabled());
    EXPECT_FALSE(t.probe.link().linkUp);
}

TEST_F(FaxConsole, PanicMarksTheTransferAbortedAndTheFailureLeavesTheMark) {
    rig.tellSimulator("fax receive AB1CD 5000 4 250 fail");
    ASSERT_TRUE(
        waitFor([&] { return label("FAXTransferLabel") == "Receiving FAX from Station: AB1CD"; }));
    button("butQORPanic")->trigger();
    EXPECT_EQ(label("FAXTransferLabel"), "FAX Transfer Aborted");
    ASSERT_TRUE(waitFor([&] { return !panelShown(); })) << "the end report still clears the panel";
    EXPECT_EQ(label("FAXStatusLabel"), "FAX Transfer Aborted - Please Wait...");
}

} // namespace
} // namespace orvane
