#include "config/ConfigChanged.h"
#include "config/SettingDescriptor.h"
#include "config/Settings.h"
#include "config/SettingsFile.h"
#include "configure/TakeIntoSettings.h"
#include "e2e/ChildProcess.h"
#include "modes/FakeModeSurface.h"
#include "modes/ModeContext.h"
#include "protocol/link/LinkState.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/config/DisplayTarget.h"
#include "ui/config/PaneAppearance.h"
#include "ui/config/ScreenSettingsDialog.h"
#include "ui/config/ViewMenu.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct ConfigurationDialogFixture : ::testing::Test {
    Settings settings;
    ConfigChanged changed;
    testing::TempDir dir;
    ConfigurationDialog form{settings, changed, dir.path()};
    OpeningFacts facts;

    template <typename W> W* control(const char* name) {
        W* widget = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* name) { return control<QLabel>(name)->text(); }
    void type(const char* edit, const char* typed) {
        QLineEdit* line = control<QLineEdit>(edit);
        line->setText(QString::fromLatin1(typed));
        emit line->textEdited(line->text());
    }
};

TEST_F(ConfigurationDialogFixture, ToneLabelsFollowOnlyTheirOwnPage) {
    form.fill(facts);
    type("AmtorMARK", "2000");
    EXPECT_EQ(text("AmtorShiftLabel"), "295");
    EXPECT_EQ(text("AmtorCenterLabel"), "2147");
    EXPECT_EQ(text("BaudotShiftLabel"), "170");
    EXPECT_TRUE(changed.isSet());
}

TEST_F(ConfigurationDialogFixture, FecModulationShowsItsBlockSize) {
    form.fill(facts);
    control<QRadioButton>("butFECMod8PSM")->click();
    EXPECT_EQ(text("FECCodeEfficLabel"), "60%");
    EXPECT_EQ(text("FECBlockSizeLabel"), "255");
}

// Each control the settings table names is on the dialog under that name.
TEST_F(ConfigurationDialogFixture, EverySettingControlIsOnTheDialog) {
    for (const SettingDescriptor& setting : settingDescriptors()) {
        const DialogControl& c = setting.Control;
        if (c.Kind == ControlKind::None) continue;
        const QString name =
            QString::fromUtf8(c.Name.data(), static_cast<qsizetype>(c.Name.size()));
        EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << setting.Name;
        for (const ControlButton& button : c.Buttons) {
            if (button.Name.empty()) break;
            const QString buttonName =
                QString::fromUtf8(button.Name.data(), static_cast<qsizetype>(button.Name.size()));
            EXPECT_NE(form.findChild<QRadioButton*>(buttonName), nullptr) << setting.Name;
        }
    }
}

// OK on the dialog as it opened takes nothing the file would show, also
// when a group's word stands for none of its buttons after an opening that
// checked one.
TEST_F(ConfigurationDialogFixture, OkWithoutAChangeKeepsTheFile) {
    facts.hardwareVersion = "8004";
    form.fill(facts);
    settings.AutoBias = "SLOW";
    settings.B_Rate = 47;
    settings.S_Polarity = "SIDEWAYS";
    const std::string before = settingsFileText(settings, ScreenLayout{}, "8004");
    form.fill(facts);
    control<QPushButton>("Button3")->click();
    Psk31Choices psk31;
    CrcMask crcMask;
    takeDialogValues(form.values(), settings, true, psk31, crcMask);
    EXPECT_EQ(settingsFileText(settings, ScreenLayout{}, "8004"), before);
    EXPECT_FALSE(control<QRadioButton>("butAutoBiasNormal")->isChecked());
}

TEST_F(ConfigurationDialogFixture, EachOpeningRebuildsThePortListAndPicksThePort) {
    facts.ports = {{"COM1", "/dev/ttyS0"}, {"COM33", "/dev/ttyUSB0"}};
    settings.PortName = "COM33";
    form.fill(facts);
    form.fill(facts);
    auto* box = control<QComboBox>("PortBox");
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), "COM33");
    EXPECT_EQ(text("PortDeviceLabel"), "/dev/ttyUSB0");
}

TEST_F(ConfigurationDialogFixture, CancelPutsBackWhatTheControlsShowedAtOpening) {
    form.fill(facts);
    type("edNormalRetries", "45");
    type("edMyCall", "dl1abc");
    EXPECT_EQ(settings.MYCALL, "DL1ABC"); // typed upper case, into the settings at once
    control<QPushButton>("Button1")->click();
    EXPECT_EQ(form.closing(), ConfigurationDialog::Closing::Cancel);
    EXPECT_EQ(control<QLineEdit>("edNormalRetries")->text(), "30");
    EXPECT_EQ(form.values().settings.text(&Settings::NormalRetry), "30");
    EXPECT_EQ(form.values().messages.myCall, "MYCALL");
    EXPECT_FALSE(changed.isSet());
}

TEST_F(ConfigurationDialogFixture, DefaultsCloseWithTheFactoryValuesShown) {
    settings.CWID = "ON";
    form.fill(facts);
    control<QPushButton>("butDefaults")->click();
    EXPECT_EQ(form.closing(), ConfigurationDialog::Closing::Defaults);
    EXPECT_TRUE(control<QRadioButton>("sysCWIDOFF")->isChecked());
    EXPECT_EQ(form.values().settings.text(&Settings::CWID), "OFF");
    EXPECT_TRUE(changed.isSet());
}

TEST_F(ConfigurationDialogFixture, ALinkLocksTheModemSettingsAndTheCallSigns) {
    facts.linkUp = true;
    form.fill(facts);
    for (const char* name : {"butDefaults", "BaudotRateCombo", "AsciiMARK", "edChatCount",
                             "edPModeMaxTry", "quoralAFChannel2", "butFECModQPSM", "PortBox",
                             "cfgbutFSKPOLREV", "edMyCall", "edGroupCall"})
        EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QWidget>("sysCWIDON")->isEnabled());
    facts.linkUp = false;
    form.fill(facts);
    EXPECT_TRUE(control<QWidget>("edMyCall")->isEnabled());
}

TEST_F(ConfigurationDialogFixture, MessageNumberWrapsToWruAndStationListsKeepTheirItems) {
    form.fill(facts);
    for (int i = 0; i < 10; ++i)
        form.stepMessageNumber(1);
    EXPECT_EQ(control<QLineEdit>("edHereIsNumber")->text(), "WRU");
    EXPECT_EQ(testing::readFile(dir.path() / "wru.txt"), "WRU");

    control<QComboBox>("edHisCallBox")->setCurrentText("W1AW");
    form.addStation();
    EXPECT_EQ(settings.HISCALLLIST, "HISCALL,W1AW");
    control<QComboBox>("edHisCallBox")->setCurrentText("HISCALL");
    form.removeStation();
    EXPECT_EQ(settings.HISCALLLIST, "W1AW");
}

class PaneRecorder final : public DisplayTarget {
public:
    void applyDisplaySettings() override { ++applied; }
    int applied = 0;
};

TEST(ScreenSettingsDialog, SizesPreviewOnlyInRangeAndApplyTakesAnyNumber) {
    Settings settings;
    PaneRecorder panes;
    ScreenSettingsDialog form(settings, panes);
    form.show();
    auto* receiveSize = form.findChild<QComboBox*>("ReceiveTextSize");
    auto* transmitSize = form.findChild<QComboBox*>("TransmitTextSize");
    auto* receiveLabel = form.findChild<QLabel*>("ReceiveTextlabel");
    auto* transmitLabel = form.findChild<QLabel*>("TransmitTextLabel");
    receiveSize->setCurrentText("250");
    EXPECT_EQ(receiveLabel->font().pointSize(), 10);
    transmitSize->setCurrentText("1");
    EXPECT_EQ(transmitLabel->font().pointSize(), 10);
    transmitSize->setCurrentText("2");
    EXPECT_EQ(transmitLabel->font().pointSize(), 2);
    form.findChild<QComboBox*>("EchoTextColor")->setCurrentText("Navy");
    form.applyChoices();
    EXPECT_EQ(settings.ReceiveTextSize, 250);
    EXPECT_EQ(settings.TransmitTextSize, 2);
    EXPECT_EQ(settings.EchoTextColor, "Navy");
    EXPECT_EQ(panes.applied, 1);
    EXPECT_EQ(paneFont("Fixedsys", settings.ReceiveTextSize).pointSize(), 250)
        << "the pane shows what is stored";
    // Showing again starts from the settings.
    settings.ReceiveColor = "red";
    form.hide();
    form.show();
    EXPECT_EQ(form.findChild<QComboBox*>("ReceiveColor")->currentText(), "red");
}

TEST(ViewMenu, TogglesTheCurrentToolBarTheStatusBarAndTheWindows) {
    QMainWindow window;
    for (const char* name : {"mnuViewToolBar", "mnuViewStatusBar", "mnuViewAmpTune",
                             "mnuViewFreqTune", "mnuViewQuoralStat", "mnuViewEchoData"}) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(true);
    }
    Settings settings;
    ConfigChanged changed;
    testing::FakeModeSurface surface;
    LinkState link;
    QWidget amp, freq, stats;
    ViewMenu view({window, settings, changed, surface, link, {amp, freq, stats}});

    const std::pair<OperatingMode, const char*> rows[] = {
        {OperatingMode::Ascii, "AsciiToolBar"},
        {OperatingMode::Psk31, "AsciiToolBar"},
        {OperatingMode::QuoralBroadcast, "QORToolBar"}};
    for (const auto& [mode, toolBar] : rows) {
        link.operatingMode = mode;
        window.findChild<QAction*>("mnuViewToolBar")->toggle();
        view.mnuViewToolBarClick();
        EXPECT_EQ(surface.visible.count(toolBar), 1u) << toolBar;
        surface.visible.clear();
    }
    window.findChild<QAction*>("mnuViewAmpTune")->setChecked(false);
    amp.show();
    view.mnuViewAmpTuneClick();
    EXPECT_FALSE(amp.isVisible());
    EXPECT_FALSE(window.findChild<QAction*>("mnuViewAmpTune")->isChecked());
    view.mnuViewEchoDataClick();
    EXPECT_EQ(settings.EchoEnable, "OFF");
    EXPECT_TRUE(changed.isSet());
}

} // namespace
} // namespace orvane
