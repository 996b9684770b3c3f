#include "ui/surface/WidgetSurface.h"
#include "ui/main/MainMenus.h"
#include "ui/surface/ModeToolbars.h"
#include "ui/surface/PanelCentring.h"
#include "ui/surface/TransientPanels.h"
#include "ui/transfer/FaxPanelWidgets.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

namespace orvane {
namespace {

// The main window as the console builds it: menus, toolbars, panels and the
// transmit pane, with a recording status bar.
struct SurfaceWindow : ::testing::Test {
    QMainWindow window;
    QPlainTextEdit* transmit = new QPlainTextEdit;
    std::vector<std::pair<int, QString>> panels;
    std::ostringstream log;
    WidgetSurface surface{window, [this](int i, const QString& s) { panels.emplace_back(i, s); },
                          log};

    SurfaceWindow() {
        buildMainMenus(*window.menuBar());
        buildModeToolbars(window);
        buildTransientPanels(window);
        transmit->setObjectName(QStringLiteral("reTXData"));
        window.setCentralWidget(transmit);
        window.resize(701, 503);
    }
    QAction* action(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    template <typename T = QWidget> T* widget(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
};

TEST_F(SurfaceWindow, EnablesAndCaptionsToolbarButtonsMenuItemsAndMenus) {
    surface.setEnabled(Control::QuoralDisconnect, true);
    surface.setEnabled(Control::QuoralConnect, false);
    surface.setCaption(Control::QuoralCallCq, "Answer CQ");
    surface.setEnabled(Control::SendBinaryFileItem, true);
    surface.setEnabled(Control::CodeMenu, false);
    surface.setCaption(Control::AmtorItem, "&TOR");

    EXPECT_TRUE(action("butQORDisconnect")->isEnabled());
    EXPECT_FALSE(action("butQORConnect")->isEnabled());
    EXPECT_EQ(action("butQORCallCQ")->text(), QStringLiteral("Answer CQ"));
    EXPECT_TRUE(action("mnuFilesSendBinaryFile")->isEnabled());
    // The menu's title in the bar goes grey, not just the QMenu widget.
    EXPECT_FALSE(widget<QMenu>("mnuCode")->menuAction()->isEnabled());
    EXPECT_EQ(action("mnuCodeAmtor")->text(), QStringLiteral("&TOR"));
    EXPECT_TRUE(log.str().empty()) << log.str();
}

TEST_F(SurfaceWindow, CaptionsAPanelAndShowsItCentredOnTheWindow) {
    surface.setCaption(Control::DisconnectPanel, "Link Failed!");
    EXPECT_FALSE(surface.isPanelVisible(Control::DisconnectPanel));
    surface.showCentredPanel(Control::DisconnectPanel);

    auto* panel = widget<QLabel>("DisconnectPanel");
    EXPECT_EQ(panel->text(), QStringLiteral("Link Failed!"));
    EXPECT_EQ(panel->pos(), centredOrigin(window.frameGeometry().size(), panel->size()));
    // Shown on the window even before the window itself is on screen.
    EXPECT_TRUE(surface.isPanelVisible(Control::DisconnectPanel));
    window.show();
    EXPECT_TRUE(panel->isVisible());
    surface.hidePanel(Control::DisconnectPanel);
    EXPECT_FALSE(surface.isPanelVisible(Control::DisconnectPanel));
}

TEST_F(SurfaceWindow, ShownPanelLiesAboveThePanes) {
    window.show();
    surface.showCentredPanel(Control::PanicPanel);
    QWidget* panel = widget("PanicPanel");
    QPoint middle = panel->mapTo(&window, panel->rect().center());
    EXPECT_EQ(window.childAt(middle), panel);
}

TEST_F(SurfaceWindow, PanicPanelSitsAcrossTheReceivePaneFromItsMiddleDown) {
    auto* receive = new QWidget(transmit);
    receive->setObjectName(QStringLiteral("reRXData"));
    receive->setGeometry(11, 7, 401, 301);
    surface.showPanelOverReceivePane(Control::PanicPanel);
    QWidget* panel = widget("PanicPanel");
    EXPECT_EQ(panel->mapToGlobal(QPoint(0, 0)),
              receive->mapToGlobal(QPoint(200 - panel->width() / 2, 150)));
    EXPECT_TRUE(surface.isPanelVisible(Control::PanicPanel));
}

TEST_F(SurfaceWindow, ShowsAndHidesToolbarsAndMenuItemsByName) {
    window.show();
    surface.setVisible(Control::AmtorToolbar, true);
    surface.setVisible(Control::Psk31Item, false);
    surface.setVisible(Control::BaudotRttyRate, false);
    EXPECT_TRUE(widget<QToolBar>("AmtorToolBar")->isVisible());
    EXPECT_FALSE(widget<QToolBar>("QORToolBar")->isVisible());
    EXPECT_FALSE(action("mnuCodePSK31")->isVisible());
    EXPECT_FALSE(action("butBaudotRttyRate")->isVisible());
    surface.setVisible(Control::AmtorToolbar, false);
    EXPECT_FALSE(widget<QToolBar>("AmtorToolBar")->isVisible());
}

TEST_F(SurfaceWindow, ModeSetUpChangesChecksHintsAndImages) {
    surface.setChecked(Control::QuoralItem, false);
    surface.setChecked(Control::AmtorItem, true);
    surface.setHint(Control::QuoralDeMy, "de G4XYZ");
    surface.setButtonImage(Control::AmtorTxEnable, 5);
    surface.setCaption(Control::AmtorTxEnable, "TX DIS");

    EXPECT_FALSE(action("mnuCodeQuoral")->isChecked());
    EXPECT_TRUE(action("mnuCodeAmtor")->isChecked());
    EXPECT_EQ(action("butQORdeMY")->toolTip(), QStringLiteral("de G4XYZ"));
    QAction* tx = action("butAmtorTXEnable");
    EXPECT_EQ(tx->property("imageIndex").toInt(), 5);
    EXPECT_FALSE(tx->icon().isNull());
    EXPECT_EQ(tx->text(), QStringLiteral("TX DIS"));
}

TEST_F(SurfaceWindow, PanelTextsGoThroughTheWindowsSetter) {
    surface.setPanel(1, "Linked to G4XYZ");
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0], std::make_pair(1, QStringLiteral("Linked to G4XYZ")));
}

TEST_F(SurfaceWindow, TransmitPaneEditingAndClearing) {
    transmit->setPlainText(QStringLiteral("CQ CQ"));
    surface.setTxPaneEditable(false);
    EXPECT_TRUE(transmit->isReadOnly());
    surface.setTxPaneEditable(true);
    EXPECT_FALSE(transmit->isReadOnly());
    surface.clearTransmitPane();
    EXPECT_TRUE(transmit->toPlainText().isEmpty());
    EXPECT_FALSE(surface.isMainWindowVisible());
    window.show();
    EXPECT_TRUE(surface.isMainWindowVisible());
}

TEST_F(SurfaceWindow, ToneListAndSquelchMarkersOfAnotherWindow) {
    auto* tones = new QComboBox(&window);
    tones->setObjectName(QStringLiteral("ToneBox"));
    tones->addItems({QStringLiteral("Test OFF"), QStringLiteral("a"), QStringLiteral("b"),
                     QStringLiteral("c")});
    surface.setToneBoxEntries({"Test OFF", "Single Tone Test", "Four Tone Test"});
    ASSERT_EQ(tones->count(), 3);
    EXPECT_EQ(tones->itemText(2), QStringLiteral("Four Tone Test"));

    QWidget tuning;
    std::vector<QWidget*> markers;
    for (const char* name : {"PrintSquelch", "PrintSquelch2"}) {
        auto* marker = new QWidget(&tuning);
        marker->setObjectName(QString::fromLatin1(name));
        marker->setGeometry(0, markers.empty() ? 4 : 30, 2, 10);
        markers.push_back(marker);
    }
    surface.addWindow(tuning);
    surface.movePrintSquelchMarkers(35);
    surface.setPrintSquelchMarkersVisible(false);
    EXPECT_EQ(markers[0]->pos(), QPoint(35, 4));
    EXPECT_EQ(markers[1]->pos(), QPoint(35, 30));
    EXPECT_TRUE(markers[0]->isHidden());
    EXPECT_TRUE(markers[1]->isHidden());
    EXPECT_TRUE(log.str().empty()) << log.str();
}

TEST_F(SurfaceWindow, AControlReplacedUnderTheSameNameIsStillFound) {
    surface.setCaption(Control::CwIdBox, "CW ID");
    delete widget("CWIDBox");
    auto* again = new QLabel(&window);
    again->setObjectName(QStringLiteral("CWIDBox"));
    surface.setCaption(Control::CwIdBox, "again");
    EXPECT_EQ(again->text(), QStringLiteral("again"));
}

TEST_F(SurfaceWindow, AControlTheWindowLacksChangesNothingAndIsReportedOnce) {
    // The Here-IS and FEC rate panels are built by the console, not here.
    surface.setEnabled(Control::HereIsPanel, true);
    surface.setCaption(Control::HereIsPanel, "x");
    surface.showCentredPanel(Control::HereIsPanel);
    surface.hidePanel(Control::HereIsPanel);
    surface.setVisible(Control::HereIsPanel, true);
    surface.setChecked(Control::HereIsPanel, true);
    surface.setHint(Control::HereIsPanel, "x");
    surface.setButtonImage(Control::HereIsPanel, 6);
    EXPECT_FALSE(surface.isPanelVisible(Control::HereIsPanel));
    surface.setEnabled(Control::FecRatePanel, false);

    const std::string text = log.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    EXPECT_NE(text.find("'HereIsPanel'"), std::string::npos);
    EXPECT_NE(text.find("'FECRatePanel'"), std::string::npos);
}

// The FAX display's link texts are painted on the status bar at once, not
// when the window next finds time for it.
TEST_F(SurfaceWindow, TheFaxDisplaysLinkTextIsPaintedAtOnce) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    FaxPanelWidgets fax(window, *widget<QFrame>("FAXTransferPanel"), surface);
    window.statusBar()->showMessage(QStringLiteral(" "));
    window.show();
    QCoreApplication::processEvents();
    window.statusBar()->installEventFilter(&counter);
    fax.setLinkStatus("Linked to AB1CD");
    EXPECT_GT(counter.paints, 0);
}

TEST(WidgetSurface, WorksOnABareWindowWithoutPanelsOrPanes) {
    QMainWindow window;
    std::ostringstream log;
    WidgetSurface surface(window, nullptr, log);
    surface.setPanel(0, "QUORAL");
    surface.setTxPaneEditable(false);
    surface.focusTransmitPane();
    surface.repaintReceivePane();
    surface.setToneBoxEntries({"Test OFF"});
    surface.movePrintSquelchMarkers(5);
    EXPECT_NE(log.str().find("reTXData"), std::string::npos);
}

} // namespace
} // namespace orvane
