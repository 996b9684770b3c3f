#include "ConsoleFixture.h"
#include "ModeSetupWire.h"

#include "e2e/ModemRig.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/config/ConfigurationWindows.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <optional>

namespace orvane {
namespace {

using testing::ModemRig;
using testing::wire;

// Closing the dialog in Quoral with transmit enabled: scan control, CW ID,
// listen (Quoral listens not), both audio levels of the 8004, the FSK
// polarity, then the whole Quoral set-up again.
std::string quoralClosing(const std::string& cwid, const std::string& normalRetry) {
    return wire("80 67 80 00 " + cwid +
                " 80 48 80 6C 80 01 80 6C 80 28 80 DB "
                "80 41 80 46 80 4D 80 80 80 63 80 04 80 DB 80 65 80 01 " +
                normalRetry +
                " 80 60 80 0A 80 62 80 14 80 68 80 01 "
                "80 13 80 4D 80 59 80 43 80 41 80 4C 80 4C 80 00 "
                "80 51 80 54 80 56 80 5A 80 59");
}
const std::string kUnchanged = quoralClosing("80 45", "80 61 80 1E");

struct ConfigurationConsole : ::testing::Test {
    ModemRig rig;
    std::optional<ConsoleUnderTest> t{std::in_place, rig.dir()};

    void start() {
        t->prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
        ASSERT_TRUE(t->startUp());
    }
    // Opens the dialog, lets `edit` change it, presses `button`; returns
    // what the modem received meanwhile.
    std::string openAndClose(const std::function<void(ConfigurationDialog&)>& edit,
                             const char* button, std::size_t expectedSize) {
        const std::size_t before = rig.received().size();
        t->prompter.onNextDialog([&](QDialog& dialog) {
            auto& form = static_cast<ConfigurationDialog&>(dialog);
            edit(form);
            form.findChild<QPushButton*>(button)->click();
            return form.result();
        });
        t->console.mainWindow().action(Control::ConfigurationPagesItem)->trigger();
        t->waitFor([&] { return rig.received().size() >= before + expectedSize; });
        return rig.received().substr(before);
    }
    std::string settingsFile() { return testing::readFile(rig.dir() / "Config" / "orvane.ini"); }
};

template <typename W> W* control(ConfigurationDialog& form, const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
}

// As the operator types: the text changes and the edit says it was edited.
void type(ConfigurationDialog& form, const char* edit, const char* text) {
    QLineEdit* line = control<QLineEdit>(form, edit);
    line->setText(QString::fromLatin1(text));
    emit line->textEdited(line->text());
}

TEST_F(ConfigurationConsole, OkWithoutChangesSendsTheQuoralSetUpAndSavesAtOnce) {
    start();
    EXPECT_EQ(openAndClose([](ConfigurationDialog&) {}, "Button3", kUnchanged.size()), kUnchanged);
    EXPECT_NE(settingsFile().find("NormalRetry=30\r\n"), std::string::npos);
    EXPECT_TRUE(t->probe.configChanged().isSet()); // the apply after the save
}

TEST_F(ConfigurationConsole, CancelAfterEditsSendsWhatAnUnchangedCancelSendsAndSavesNothing) {
    start();
    EXPECT_EQ(openAndClose([](ConfigurationDialog&) {}, "Button1", kUnchanged.size()), kUnchanged);
    const std::string edited = openAndClose(
        [](ConfigurationDialog& form) {
            type(form, "edNormalRetries", "45");
            type(form, "edMyCall", "dl1abc");
            control<QRadioButton>(form, "sysCWIDON")->setChecked(true);
        },
        "Button1", kUnchanged.size());
    EXPECT_EQ(edited, kUnchanged);
    EXPECT_EQ(t->probe.settings().MYCALL, "MYCALL");
    EXPECT_FALSE(std::filesystem::exists(rig.dir() / "Config" / "orvane.ini"));
}

TEST_F(ConfigurationConsole, AFailedSaveSaysWhyAndKeepsTheValuesInMemory) {
    // A directory where the file should be: it can be neither read nor replaced.
    std::filesystem::create_directories(rig.dir() / "Config" / "orvane.ini" / "in-the-way");
    start();
    const std::string expected = quoralClosing("80 45", "80 61 80 2D");
    EXPECT_EQ(openAndClose([](ConfigurationDialog& form) { type(form, "edNormalRetries", "45"); },
                           "Button3", expected.size()),
              expected);
    const auto texts = t->prompter.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().rfind("Unable to save configuration", 0), 0u) << texts.back();
    EXPECT_EQ(t->probe.settings().NormalRetry, 45);
    EXPECT_TRUE(t->probe.configChanged().isSet());
}

// Changed values reach the file at once, the modem at once, and the next
// start: the dialog shows them and the modem gets them in its set-up.
TEST_F(ConfigurationConsole, OkKeepsTheEditsAcrossARestart) {
    start();
    const std::string expected = quoralClosing("80 55", "80 61 80 2D");
    const auto edit = [](ConfigurationDialog& form) {
        type(form, "edNormalRetries", "45");
        control<QRadioButton>(form, "sysCWIDON")->setChecked(true);
        control<QRadioButton>(form, "butBaudotCodeNo2")->setChecked(true);
        type(form, "AsciiMARK", "1275");
    };
    EXPECT_EQ(openAndClose(edit, "Button3", expected.size()), expected);
    const std::string file = settingsFile();
    for (const char* line :
         {"CWID=ON\r\n", "NormalRetry=45\r\n", "B_CodeType=No2\r\n",
          "ASCIIMark=1275\r\nASCIISpace=2295\r\nASCIICenter=1785\r\nASCIIShift=1020\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;

    t->closeAndWait();
    t.reset();
    t.emplace(rig.dir());
    const std::size_t before = rig.received().size();
    ASSERT_TRUE(t->startUp());
    EXPECT_NE(rig.received().find(wire("80 55"), before), std::string::npos); // CWID_ON
    EXPECT_NE(rig.received().find(wire("80 61 80 2D"), before), std::string::npos);
    openAndClose(
        [](ConfigurationDialog& form) {
            EXPECT_EQ(control<QLineEdit>(form, "edNormalRetries")->text(), "45");
            EXPECT_TRUE(control<QRadioButton>(form, "sysCWIDON")->isChecked());
            EXPECT_TRUE(control<QRadioButton>(form, "butBaudotCodeNo2")->isChecked());
            EXPECT_EQ(control<QLineEdit>(form, "AsciiMARK")->text(), "1275");
        },
        "Button1", 0);
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// In every mode, OK without a change while transmitting is enabled: the
// shared commands (the FSK modes leave their mode meanwhile and get the
// print squelch, Baudot its polarity), then the mode's whole set-up again.
class ModeClosing : public ::testing::TestWithParam<testing::ModeRow> {
protected:
    testing::ModemRig rig;
    ConsoleUnderTest t{rig.dir()};
};

TEST_P(ModeClosing, OkWithoutChangesRunsTheSetUpAgain) {
    const testing::ModeRow& row = GetParam();
    const std::string code = row.code;
    rig.writeSettings("[system]\r\nCode=" + code + "\r\n");
    t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
    ASSERT_TRUE(t.startUp());
    const bool fsk = code == "BAUDOT" || code == "ASCII";
    const std::string expected = testing::wire(
        (fsk ? "80 84 " : "") + std::string("80 67 80 00 80 45 80 58 80 6C 80 01 80 6C 80 28 ") +
        (fsk ? "80 E8 80 45 " : "") + "80 DB " + (code == "BAUDOT" ? "80 5B " : "") + row.setup +
        (code == "BAUDOT"  ? " 80 85"
         : code == "ASCII" ? " 80 86"
                           : ""));

    const std::size_t before = rig.received().size();
    t.prompter.onNextDialog([](QDialog& dialog) {
        dialog.findChild<QPushButton*>("Button3")->click();
        return dialog.result();
    });
    t.console.mainWindow().action(Control::ConfigurationPagesItem)->trigger();
    ASSERT_TRUE(t.waitFor([&] { return rig.received().size() >= before + expected.size(); }));
    EXPECT_EQ(rig.received().substr(before), expected);
}

// PSK31 has no set-up to repeat and sends nothing of its own.
INSTANTIATE_TEST_SUITE_P(FskAndArqModes, ModeClosing,
                         ::testing::ValuesIn(testing::kModes, testing::kModes + 4));

} // namespace
} // namespace orvane
