#include "ui/surface/ModeToolbars.h"
#include "controls/ToolbarButtons.h"
#include "platform/ControlObjects.h"
#include "ui/surface/ToolbarImages.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

struct ToolbarWindow : ::testing::Test {
    QMainWindow window;
    ToolbarWindow() { buildModeToolbars(window); }

    QAction* button(const char* name) { return toolbarButton(window, QString::fromLatin1(name)); }
    QString toolbarOf(const char* name) {
        QAction* action = button(name);
        auto* bar = action ? qobject_cast<QToolBar*>(action->parent()) : nullptr;
        return bar ? bar->objectName() : QString();
    }
};

struct Placement {
    const char* toolbar;
    std::vector<const char*> buttons;
};

// The control groups the status handling switches, the transmit-enable
// buttons, and the other buttons the mode set-ups and operations name.
const Placement kExpected[] = {
    {"QORToolBar",
     {"butQORConnect", "butQORDisconnect", "butQORPanic", "butQORFoxes", "butQORFEC",
      "butQORCallCQ", "butQORTXEnable", "butQORMonitor", "butQORMsg0", "butQORMsgPlus",
      "butQORdeMY", "butQORHisDeMY"}},
    {"AmtorToolBar",
     {"butAmtorConnect", "butAmtorDisconnect", "butAmtorPanic", "butAmtorFoxes", "butAmtorFEC",
      "butAmtorOver", "butAmtorForcedOver", "butAmtorCallCQ", "butAmtorTXEnable", "butAmtorMonitor",
      "butAmtorNormRev", "butAmtorHISdeMY"}},
    {"PModeToolBar",
     {"butPModeConnect", "butPModeDisconnect", "butPModePanic", "butPModeFoxes", "butPModeFEC",
      "butPModeOver", "butPModeForcedOver", "butPModeCallCQ", "butPModeTXEnable", "butPModeMonitor",
      "butPModeDeMY", "butPModeHISdeMY"}},
    {"BaudotToolBar",
     {"butBaudotFoxes", "butBaudotPanic", "butBaudotTXEnable", "butBaudotFEC", "butBaudotRttyRate",
      "butBaudotMonitor", "butBaudotNormRev", "butBaudotDeMY", "butBaudotHISdeMY"}},
    {"AsciiToolBar",
     {"butAsciiFoxes", "butAsciiPanic", "butAsciiTXEnable", "butAsciiRttyRate", "butAsciiMonitor",
      "butAsciiNormRev", "butAsciiDeMY", "butAsciiHISdeMY"}},
    {"PSKToolBar", {"butPSKTXEnable"}},
};

// A tooltip says what the button does; its label alone does not.
TEST_F(ToolbarWindow, EveryButtonExplainsItselfBeyondItsLabel) {
    for (const ToolbarButton& entry : kToolbarButtons) {
        QAction* action = toolbarButton(window, QString::fromLatin1(objectNameText(entry.control)));
        ASSERT_NE(action, nullptr) << objectNameText(entry.control);
        const QString label = action->text().remove(QLatin1Char('&')).trimmed();
        EXPECT_FALSE(action->toolTip().isEmpty()) << objectNameText(entry.control);
        EXPECT_NE(action->toolTip().trimmed(), label) << objectNameText(entry.control);
    }
}

TEST_F(ToolbarWindow, EveryNamedButtonSitsOnItsModesToolbarAndIsFoundByName) {
    for (const Placement& placement : kExpected) {
        for (const char* name : placement.buttons) {
            EXPECT_EQ(toolbarOf(name), QString::fromLatin1(placement.toolbar)) << name;
            // The surface and the key table look buttons up from the window.
            EXPECT_EQ(window.findChild<QAction*>(QString::fromLatin1(name)), button(name)) << name;
        }
    }
}

TEST_F(ToolbarWindow, AllSixToolbarsStayHiddenWhenTheWindowShows) {
    window.show();
    for (const Placement& placement : kExpected) {
        auto* bar = window.findChild<QToolBar*>(QString::fromLatin1(placement.toolbar));
        ASSERT_NE(bar, nullptr) << placement.toolbar;
        EXPECT_FALSE(bar->isVisible()) << placement.toolbar;
        EXPECT_FALSE(bar->toggleViewAction()->isVisible()) << placement.toolbar;
    }
}

TEST_F(ToolbarWindow, LinkButtonsStartInStandby) {
    for (const char* name :
         {"butQORDisconnect", "butQORPanic", "butQORFoxes", "butAmtorDisconnect", "butAmtorPanic",
          "butAmtorOver", "butAmtorForcedOver", "butPModeDisconnect", "butPModePanic",
          "butPModeOver", "butPModeForcedOver", "butBaudotPanic", "butAsciiPanic"}) {
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    }
    for (const char* name : {"butQORConnect", "butAmtorConnect", "butPModeConnect", "butQORFEC",
                             "butQORCallCQ", "butAmtorCallCQ", "butPModeCallCQ", "butBaudotFoxes",
                             "butAsciiFoxes", "butQORTXEnable", "butPSKTXEnable"}) {
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    }
}

TEST_F(ToolbarWindow, CaptionsAndHintsAreTheOperatorsTexts) {
    struct Row {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Row rows[] = {
        {"butQORConnect", "Connect", ""},
        {"butQORDisconnect", "Disconnect", ""},
        {"butPModePanic", "Panic", ""},
        {"butQORCallCQ", "Call CQ", ""},
        {"butQORFEC", "BDCST", ""},
        {"butAmtorFEC", "Broadcast", ""},
        {"butPModeFEC", "Unproto", ""},
        {"butBaudotFEC", "LTRS", ""},
        {"butAmtorOver", "OVER", ""},
        {"butPModeForcedOver", "Forced OVER", ""},
        {"butQORMsg0", "MSG 0", ""},
        {"butQORMsgPlus", "MSG 1+", ""},
        {"butBaudotRttyRate", "45", ""},
        {"butAsciiRttyRate", "110", ""},
        {"butAmtorNormRev", "NORM", ""},
        {"butQORMonitor", "Monitor", "Toggle monitor mode ON/OFF"},
        {"butPModeMonitor", "Monitor", "Toggle monitor mode ON/OFF"},
        {"butBaudotMonitor", "OFF", "Toggle Sync Idle ON/OFF"},
        {"butAsciiMonitor", "OFF", "Toggle Sync Idle ON/OFF"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(button(row.name)->text(), QString::fromLatin1(row.caption)) << row.name;
        if (*row.hint) {
            EXPECT_EQ(button(row.name)->toolTip(), QString::fromLatin1(row.hint)) << row.name;
        }
    }
}

TEST_F(ToolbarWindow, TransmitEnableButtonsShowEnabledWithTheTrailingBlank) {
    for (const char* name : {"butQORTXEnable", "butAmtorTXEnable", "butPModeTXEnable",
                             "butBaudotTXEnable", "butAsciiTXEnable", "butPSKTXEnable"}) {
        EXPECT_EQ(button(name)->text(), QStringLiteral("TX EN ")) << name;
        EXPECT_EQ(button(name)->property("imageIndex").toInt(), toolbar_image::TxEnabled) << name;
        EXPECT_FALSE(button(name)->icon().isNull()) << name;
    }
}

TEST_F(ToolbarWindow, OneHandlerServesTheSameButtonOnEveryToolbar) {
    std::vector<std::string> clicked;
    auto record = [&](const char* what) {
        return [&clicked, what] { clicked.emplace_back(what); };
    };
    EXPECT_EQ(connectToolbarButtons(window, ButtonRole::Connect, record("connect")), 5);
    EXPECT_EQ(connectToolbarButtons(window, ButtonRole::TxEnable, record("transmit")), 6);
    EXPECT_EQ(connectToolbarButtons(window, ButtonRole::Panic, record("panic")), 5);

    // Through the tool button the operator clicks, on a toolbar that shows.
    window.show();
    auto* bar = window.findChild<QToolBar*>(QStringLiteral("AsciiToolBar"));
    bar->show();
    auto* call = qobject_cast<QToolButton*>(bar->widgetForAction(button("butAsciiConnect")));
    ASSERT_NE(call, nullptr);
    call->click();
    button("butPSKTXEnable")->trigger();
    button("butAmtorOver")->trigger();
    EXPECT_EQ(clicked, (std::vector<std::string>{"connect", "transmit"}));
}

TEST_F(ToolbarWindow, TheButtonsTheCoreNamesByRoleAreTheWindowsButtons) {
    for (const ToolbarButton& entry : kToolbarButtons) {
        const QString name = qtObjectName(entry.control);
        EXPECT_EQ(toolbarOf(name.toLatin1().constData()),
                  qtObjectName(toolbarControl(entry.toolbar)))
            << name.toStdString();
    }
}

} // namespace
} // namespace orvane
