#include "ui/broadcast/BroadcastPanels.h"
#include "support/ScriptedPrompter.h"
#include "ui/broadcast/BroadcastDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

QString figures(const BroadcastDialog& dialog) {
    auto text = [&](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };
    return text("BlockSizeLabel") + "/" + text("BaseRateLabel") + "/" + text("ActualLabel") + " " +
           text("CodeEffLabel");
}

TEST(BroadcastDialog, ShowsItsOwnFiguresAndRefusesOtherTexts) {
    ScriptedPrompter prompter;
    BroadcastDialog dialog(prompter);
    for (auto [modulation, expected] : {std::pair{"BPSM", "85/125/75 60%"},
                                        {"QPSM", "85/250/150 60%"},
                                        {"8PSM", "255/375/225 60%"},
                                        {"8P2A", "255/500/300 60%"},
                                        {"16P4A", "255/750/450 60%"},
                                        {"2DPSM", "51/63/38 60%"}}) {
        dialog.setModulation(modulation);
        dialog.showFigures();
        EXPECT_EQ(figures(dialog).toStdString(), expected) << modulation;
    }
    dialog.setModulation("16PSM"); // the call dialog's, not offered here
    dialog.showFigures();
    EXPECT_EQ(figures(dialog).toStdString(), "51/63/38 60%");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Invalid Entry"});
}

TEST(BroadcastPanels, QuoralDialogOffersTheSettingAndCancelChoosesNothing) {
    ScriptedPrompter prompter;
    QMainWindow window;
    BroadcastPanels panels(window, prompter);
    QString offered;
    prompter.onNextDialog([&](QDialog& dialog) {
        offered = dialog.findChild<QComboBox*>("ModComboBox")->currentText();
        dialog.findChild<QComboBox*>("ModComboBox")->setCurrentText("8PSM");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(panels.chooseQuoralModulation("QPSM"), "8PSM");
    EXPECT_EQ(offered, "QPSM");
    prompter.onNextDialog([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(panels.chooseQuoralModulation("QPSM"), std::nullopt);
}

TEST(BroadcastPanels, GroupCallIsUpperCaseAndAtMostFourCharacters) {
    ScriptedPrompter prompter;
    QMainWindow window;
    BroadcastPanels panels(window, prompter);
    panels.setGroupCall("cqcqdx");
    EXPECT_EQ(panels.groupCall(), "CQCQ");
    auto* edit = window.findChild<QLineEdit*>("edGroupCall");
    edit->clear();
    edit->insert("ab1cd");
    EXPECT_EQ(panels.groupCall(), "AB1C");
    EXPECT_EQ(panels.checkedFecMode(), FecMode::ModeB);
    EXPECT_FALSE(panels.unprotoAt200());
}

} // namespace
} // namespace orvane::testing
