#include "ui/serial/PortDialog.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace orvane {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "serial_dialog_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the static destructors crashes.
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

class PortDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    QComboBox* box(PortDialog& dialog) { return dialog.findChild<QComboBox*>("PortBox"); }
    testing::ScriptedPrompter prompter;
    const std::vector<PortEntry> ports{
        {3, "/dev/ttyS2"}, {34, "/dev/ttyUSB1"}, {200, "/dev/pts/7"}};
};

TEST_F(PortDialogTest, ListsTheAvailablePortsAndSelectsTheFirst) {
    PortDialog dialog(prompter, ports);
    EXPECT_EQ(dialog.windowTitle(), "Serial Port Error");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QComboBox* list = box(dialog);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), "COM3");
    EXPECT_EQ(list->itemText(1), "COM34");
    EXPECT_EQ(list->itemText(2), "COM200");
    EXPECT_EQ(list->itemData(1, Qt::ToolTipRole).toString(), "/dev/ttyUSB1");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(dialog.SelectedPort(), 3);

    QStringList texts;
    for (auto* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
        EXPECT_TRUE(label->font().bold()) << label->text().toStdString();
    }
    EXPECT_TRUE(texts.contains("Select a Serial Port?"));
    EXPECT_TRUE(texts.contains("Serial Port:"));
    QStringList buttons;
    for (auto* button : dialog.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains("&OK"));
    EXPECT_TRUE(buttons.contains("C&ancel"));
    EXPECT_TRUE(prompter.asked().empty());
}

TEST_F(PortDialogTest, WithNoPortTheListIsEmptyAndOkGivesCom1) {
    PortDialog dialog(prompter, {});
    EXPECT_EQ(box(dialog)->count(), 0);
    prompter.onNextDialog([](QDialog& d) {
        d.findChild<QPushButton*>("OKButton")->click();
        return d.result();
    });
    EXPECT_EQ(prompter.runDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedPort(), 1);
}

TEST_F(PortDialogTest, ChoosingAnEntryChangesSelectedPort) {
    PortDialog dialog(prompter, ports);
    box(dialog)->setCurrentIndex(2);
    EXPECT_EQ(dialog.SelectedPort(), 200);
    prompter.onNextDialog([](QDialog& d) {
        d.findChild<QPushButton*>("CancelButton")->click();
        return d.result();
    });
    EXPECT_EQ(prompter.runDialog(dialog), QDialog::Rejected);
}

TEST_F(PortDialogTest, EntryWithoutANumberKeepsThePreviousChoice) {
    PortDialog dialog(prompter, ports);
    box(dialog)->setCurrentIndex(1);
    for (const char* junk : {"COM", "COMx", "COM3a"}) {
        box(dialog)->addItem(junk);
        box(dialog)->setCurrentIndex(box(dialog)->count() - 1);
        EXPECT_EQ(dialog.SelectedPort(), 34) << junk;
    }
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>(3, "Error Setting ComPort")));
}

TEST_F(PortDialogTest, KeysDoNotChangeTheList) {
    PortDialog dialog(prompter, ports);
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_C}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_C ? "C" : "");
        QApplication::sendEvent(box(dialog), &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(box(dialog), &release);
    }
    EXPECT_EQ(box(dialog)->currentIndex(), 0);
    EXPECT_EQ(dialog.SelectedPort(), 3);
}

} // namespace
} // namespace orvane
