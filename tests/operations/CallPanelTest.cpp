#include "ui/operations/CallPanel.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Whether a control lies wholly inside the dialog, so the operator sees all of it.
bool inside(const QWidget& dialog, const QWidget& control) {
    const QRect where(control.mapTo(&dialog, QPoint(0, 0)), control.size());
    return dialog.rect().contains(where);
}

// Every form the call dialog takes, at the desktop's font and at a much
// larger one: each control it shows lies inside it, the call box and the
// radio pair inside the bevel.
TEST(CallPanel, EveryFormShowsAllItsControlsWhole) {
    struct Form {
        const char* name;
        bool radios;
        int dialog, bevel;
    };
    const Form forms[] = {{"Quoral adaptive", true, 135, 97},
                          {"Quoral manual", true, 340, 97},
                          {"P-Mode", true, 135, 97},
                          {"AMTOR and the rest", false, 120, 83}};
    for (const int pointSize : {0, 20}) {
        for (const Form& form : forms) {
            CallPanel panel;
            if (pointSize) {
                QFont font = panel.font();
                font.setPointSize(pointSize);
                panel.setFont(font);
            }
            panel.butLongPath->setVisible(form.radios);
            panel.butShortPath->setVisible(form.radios);
            panel.setHeights(form.dialog, form.bevel);
            panel.show();
            const std::string what =
                std::string(form.name) + " at point size " + std::to_string(pointSize);
            EXPECT_GE(panel.height(), form.dialog) << what;
            QList<QWidget*> shown = {panel.CallBox, panel.butCall, panel.CancelBtn,
                                     panel.CallBevel};
            if (form.radios) shown += {panel.butLongPath, panel.butShortPath};
            if (form.dialog > 200)
                shown += {panel.Panel1,  panel.WaveFormatList, panel.CELabel,
                          panel.BSLabel, panel.BRLabel,        panel.ALabel};
            for (QWidget* control : shown) {
                EXPECT_TRUE(control->isVisible())
                    << what << ": " << control->objectName().toStdString();
                EXPECT_GE(control->height(), control->minimumSizeHint().height())
                    << what << ": " << control->objectName().toStdString() << " is cut short";
                EXPECT_TRUE(inside(panel, *control))
                    << what << ": " << control->objectName().toStdString();
            }
            EXPECT_EQ(panel.Panel1->isVisible(), form.dialog > 200) << what;
            for (QWidget* control : {static_cast<QWidget*>(panel.CallBox),
                                     static_cast<QWidget*>(panel.butShortPath)}) {
                if (!control->isVisible()) continue;
                EXPECT_TRUE(panel.CallBevel->geometry().contains(control->geometry()))
                    << what << ": " << control->objectName().toStdString();
            }
        }
    }
}

TEST(CallPanel, AWaveformShowsItsFiguresBesideTheirNames) {
    CallPanel panel;
    panel.WaveFormatList->setCurrentRow(5);
    EXPECT_EQ(panel.CELabel->text(), "Code Effeciency: 60%");
    EXPECT_EQ(panel.BSLabel->text(), "Block Size: 51");
    EXPECT_EQ(panel.BRLabel->text(), "Base Rate: 63");
    EXPECT_EQ(panel.ALabel->text(), "Actual: 38");
}

} // namespace
} // namespace orvane
