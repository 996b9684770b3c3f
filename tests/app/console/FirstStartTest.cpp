#include "ui/main/FirstStartSize.h"
#include "ui/main/MainWindow.h"

#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FirstStartSize, FitsTheWidestToolbarAndTheWholeClockAndStaysOnTheScreen) {
    MainWindow window(new QTextEdit);
    window.statusBar()->show();
    const QSize size = firstStartSize(window, {750, 390}, {0, 0, 1280, 800});
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        EXPECT_GE(size.width(), bar->sizeHint().width()) << bar->objectName().toStdString();
    window.setPanel(8, QStringLiteral("Wed Sep 30, 2026  23:59:59"));
    EXPECT_GE(size.width(), window.statusBar()->sizeHint().width());
    EXPECT_GE(size.height(), 390);
    EXPECT_LE(size.width(), 1280);

    EXPECT_EQ(firstStartSize(window, {750, 390}, {0, 0, 600, 300}), QSize(600, 300));
}

// A 1280 x 800 screen at 200 %: 640 logical pixels, less than the panels' widths.
TEST(FirstStartSize, ANarrowWindowSqueezesThePanelsButKeepsTheWholeClock) {
    MainWindow window(new QTextEdit);
    window.statusBar()->show();
    window.resize(640, 400);
    window.show();
    const QString time = QStringLiteral("Wed Sep 30, 2026  23:59:59");
    window.setPanel(8, time);
    window.statusBar()->layout()->activate();
    auto* clock = window.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel8"));
    ASSERT_NE(clock, nullptr);
    EXPECT_LE(clock->geometry().right(), window.statusBar()->width());
    EXPECT_GE(clock->width(), clock->fontMetrics().horizontalAdvance(time));
}

} // namespace
} // namespace orvane
