#include "ui/surface/TransientPanels.h"
#include "ui/surface/PanelCentring.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PanelCentring, HalvesEachSizeBeforeSubtracting) {
    // Where exactly one size is odd, halving the difference would come out
    // one less: (700 - 185) / 2 = 257, (500 - 41) / 2 = 229.
    EXPECT_EQ(centredOrigin({700, 500}, {185, 41}), QPoint(258, 230));
    EXPECT_EQ(centredOrigin({10, 10}, {3, 5}), QPoint(4, 3));
    EXPECT_EQ(centredOrigin({701, 503}, {185, 41}), QPoint(258, 231));
    EXPECT_EQ(centredOrigin({701, 501}, {184, 40}), QPoint(258, 230));
    // A panel larger than the window starts left of and above it.
    EXPECT_EQ(centredOrigin({101, 51}, {329, 145}), QPoint(-114, -47));
}

TEST(PanelCentring, PlacesAPanelInANestedChildInWindowCoordinates) {
    QMainWindow window;
    window.resize(641, 481);
    auto* host = new QWidget(&window);
    host->setGeometry(30, 40, 500, 400);
    auto* panel = new QWidget(host);
    panel->resize(101, 21);
    centreOnWindow(*panel, window);
    EXPECT_EQ(panel->mapTo(&window, QPoint(0, 0)), QPoint(320 - 50, 240 - 10));
}

struct PanelWindow : ::testing::Test {
    QMainWindow window;
    PanelWindow() {
        window.resize(720, 520);
        buildTransientPanels(window);
    }
    template <typename T = QWidget> T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
};

// The operator drags the FAX panel aside by any point of it; it stays where dropped.
TEST_F(PanelWindow, TheFaxPanelFollowsTheOperatorsDrag) {
    window.show();
    QWidget* fax = child("FAXTransferPanel");
    fax->move(100, 100);
    fax->show();
    const QPoint grip = fax->mapToGlobal(QPoint(10, 10));
    auto send = [fax](QEvent::Type type, QPoint global, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(fax->mapFromGlobal(global)), QPointF(global), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(fax, &event);
    };
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grip + QPoint(10, 5), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, grip + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grip + QPoint(30, 20), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(fax->pos(), QPoint(130, 120));
    send(QEvent::MouseMove, grip + QPoint(60, 60), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(fax->pos(), QPoint(130, 120)) << "moving without the button held";
}

TEST_F(PanelWindow, EveryPanelAndBoxIsHiddenAtStart) {
    window.show();
    for (const char* name : {"DisconnectPanel", "PanicPanel", "HardwareResetPanel", "OverBox",
                             "CWIDBox", "FAXTransferPanel", "pnlFWDownload"}) {
        QWidget* panel = child(name);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_FALSE(panel->isVisible()) << name;
        EXPECT_EQ(panel->parentWidget(), &window) << name;
    }
}

TEST_F(PanelWindow, BoxesCarryTheirCaptionsAndColours) {
    auto* disconnect = child<QLabel>("DisconnectPanel");
    EXPECT_EQ(disconnect->text(), QStringLiteral("Disconnect"));
    EXPECT_TRUE(disconnect->autoFillBackground());
    EXPECT_EQ(disconnect->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(child<QLabel>("HardwareResetPanel")->text(),
              QStringLiteral("Hardware Reset Occured"));

    for (const char* name : {"OverBox", "CWIDBox"}) {
        auto* box = child<QLabel>(name);
        EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(Qt::red)) << name;
        EXPECT_EQ(box->frameShadow(), QFrame::Sunken) << name;
        EXPECT_TRUE(box->alignment() & Qt::AlignHCenter) << name;
    }
    EXPECT_EQ(child<QLabel>("OverBox")->text(), QStringLiteral("OVER"));
    EXPECT_EQ(child<QLabel>("CWIDBox")->text(), QStringLiteral("CW ID"));
    EXPECT_EQ(child("FAXTransferPanel")->size(), QSize(329, 145));
}

TEST_F(PanelWindow, FirmwarePanelHoldsGaugeFileNameAndAbort) {
    QWidget* panel = child("pnlFWDownload");
    auto* gauge = panel->findChild<QProgressBar*>(QStringLiteral("DownloadGauge"));
    ASSERT_NE(gauge, nullptr);
    // A determinate gauge the loader sets to the file length.
    EXPECT_LT(gauge->minimum(), gauge->maximum());
    EXPECT_NE(panel->findChild<QLabel*>(QStringLiteral("FileNameBox")), nullptr);
    auto* abort = panel->findChild<QPushButton*>(QStringLiteral("Button20"));
    ASSERT_NE(abort, nullptr);
    EXPECT_EQ(abort->text(), QStringLiteral("Abort"));
    bool titled = false;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        titled = titled || label->text() == QStringLiteral("Firmware Download");
    }
    EXPECT_TRUE(titled);
}

TEST_F(PanelWindow, OverBoxKeepsToTheMiddleAsTheWindowResizes) {
    QWidget* over = child("OverBox");
    window.show();
    window.resize(801, 601);
    EXPECT_EQ(over->pos(), centredOrigin(window.frameGeometry().size(), over->size()));
}

} // namespace
} // namespace orvane
