#include "ui/serial/PortDialog.h"
#include "FakeDeviceTree.h"
#include "platform/ControlObjects.h"
#include "support/ScriptedPrompter.h"
#include "ui/serial/PortPicker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::FakeDeviceTree;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "serial_dialog_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the static destructors crashes.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

QComboBox* box(QDialog& dialog) {
    return dialog.findChild<QComboBox*>("PortBox");
}

QStringList entries(QDialog& dialog) {
    QStringList texts;
    for (int i = 0; i < box(dialog)->count(); ++i)
        texts << box(dialog)->itemText(i);
    return texts;
}

class PortPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        fs::create_directories(base_ / "Config/ports");
    }
    // Picks the entry that starts with `label`, as the mouse does, and presses OK.
    std::optional<int> pick(const QString& label) {
        prompter.onNextDialog([this, label](QDialog& d) {
            shown_ = entries(d);
            const int index = box(d)->findText(label, Qt::MatchStartsWith);
            box(d)->setCurrentIndex(index);
            stableName_ = findControl<QLabel>(d, Control::PortDialogStableName)->text();
            d.findChild<QPushButton*>("OKButton")->click();
            return d.result();
        });
        return PortPicker(prompter, base_, tree_.roots()).pick("No serial port is set.");
    }
    std::string linkTarget(int number) {
        return fs::read_symlink(base_ / "Config/ports" / ("COM" + std::to_string(number))).string();
    }

    testing::FakeDeviceTree tree_;
    fs::path base_ = tree_.dir() / "base";
    testing::ScriptedPrompter prompter;
    QStringList shown_;
    QString stableName_;
};

TEST_F(PortPickerTest, ShowsDevicesByNameAndProductAndLinksTheStableName) {
    EXPECT_EQ(pick("/dev/ttyUSB0"), 97);
    EXPECT_EQ(shown_, (QStringList{"/dev/ttyACM0 \u2014 Modara USB Modem", "/dev/ttyS2",
                                   "/dev/ttyS10", "/dev/ttyUSB0 \u2014 FT232R USB UART"}));
    EXPECT_TRUE(stableName_.endsWith(FakeDeviceTree::kAdapterById)) << stableName_.toStdString();
    EXPECT_EQ(linkTarget(97), FakeDeviceTree::kAdapterById);

    // The link is offered first from now on, and the adapter keeps its number.
    EXPECT_EQ(pick("/dev/ttyUSB0"), 97);
    EXPECT_EQ(shown_.first(), QString("COM97 \u2192 ") + FakeDeviceTree::kAdapterById);
    EXPECT_EQ(pick("COM97"), 97);
    EXPECT_FALSE(fs::exists(base_ / "Config/ports/COM98"));
}

TEST_F(PortPickerTest, AFixedDeviceKeepsItsNumberWithoutALink) {
    EXPECT_EQ(pick("/dev/ttyS10"), 11);
    EXPECT_EQ(pick("/dev/ttyACM0"), 65);
    EXPECT_TRUE(fs::is_empty(base_ / "Config/ports"));
}

TEST_F(PortPickerTest, CancelGivesNoPortAndAnEmptyListGivesCom1) {
    prompter.onNextDialog([](QDialog& d) {
        d.findChild<QPushButton*>("CancelButton")->click();
        return d.result();
    });
    EXPECT_EQ(PortPicker(prompter, base_, tree_.roots()).pick({}), std::nullopt);
    prompter.onNextDialog([](QDialog& d) {
        d.findChild<QPushButton*>("OKButton")->click();
        return d.result();
    });
    EXPECT_EQ(PortPicker(prompter, base_, {base_ / "none", base_ / "none"}).pick({}), 1);
}

TEST_F(PortPickerTest, TheDialogSaysWhyAndKeysDoNotChangeTheList) {
    PortDialog dialog(portOptions(base_, tree_.roots()), "No serial port is set.");
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Error");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(findControl<QLabel>(dialog, Control::PortDialogReason)->text(),
              "No serial port is set.");
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_C}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_C ? "C" : "");
        QApplication::sendEvent(box(dialog), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(box(dialog), &release);
    }
    EXPECT_EQ(box(dialog)->currentIndex(), 0);
    EXPECT_EQ(dialog.chosen()->label, "/dev/ttyACM0 \u2014 Modara USB Modem");
}

} // namespace
} // namespace orvane
