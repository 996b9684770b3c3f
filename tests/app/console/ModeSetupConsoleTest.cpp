#include "ConsoleFixture.h"

#include "ModeSetupWire.h"
#include "e2e/ModemRig.h"

#include <QAction>
#include <QDialog>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::kCommonSetup;
using testing::kHandshake;
using testing::kModes;
using testing::ModemRig;
using testing::ModeRow;
using testing::wire;

class ModeStartUp : public ::testing::TestWithParam<ModeRow> {
protected:
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};
};

TEST_P(ModeStartUp, SaysTheWholeSetUpAndTheCodeMenuRepeatsIt) {
    const ModeRow& row = GetParam();
    rig.writeSettings(std::string("[system]\r\nCode=") + row.code + "\r\n");
    t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
    ASSERT_TRUE(t.startUp());
    EXPECT_EQ(rig.received(), wire(kHandshake + kCommonSetup + row.setup));
    EXPECT_EQ(t.console.mainWindow().panel(0), row.panel0);

    const std::size_t before = rig.received().size();
    const std::string setup = wire(row.setup);
    t.console.mainWindow().findChild<QAction*>(QString::fromLatin1(row.menuItem))->trigger();
    ASSERT_TRUE(t.waitFor([&] { return rig.received().size() >= before + setup.size(); }));
    EXPECT_EQ(rig.received().substr(before), setup);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ModeStartUp, ::testing::ValuesIn(kModes));

} // namespace
} // namespace orvane
