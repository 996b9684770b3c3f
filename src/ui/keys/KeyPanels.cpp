#include "ui/keys/KeyPanels.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/PumpLine.h"
#include "platform/ControlObjects.h"
#include "protocol/CommandBuilders.h"
#include "protocol/FskEncodings.h"
#include "protocol/link/LinkState.h"
#include "ui/keys/KeyPanelWidgets.h"
#include "ui/operations/ArqCalls.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <array>

namespace orvane {
namespace {

// One FSK family's four tone settings and the configuration dialog's fields
// that show them.
struct ToneFamily {
    int Settings::*mark;
    int Settings::*space;
    int Settings::*center;
    int Settings::*shift;
    std::array<Control, 4> dialogFields;
};

constexpr ToneFamily kAmtorTones{&Settings::AMTORMark,
                                 &Settings::AMTORSpace,
                                 &Settings::AMTORCenter,
                                 &Settings::AMTORShift,
                                 {Control::DialogAmtorMark, Control::DialogAmtorSpace,
                                  Control::DialogAmtorCenter, Control::DialogAmtorShift}};
constexpr ToneFamily kBaudotTones{&Settings::BAUDOTMark,
                                  &Settings::BAUDOTSpace,
                                  &Settings::BAUDOTCenter,
                                  &Settings::BAUDOTShift,
                                  {Control::DialogBaudotMark, Control::DialogBaudotSpace,
                                   Control::DialogBaudotCenter, Control::DialogBaudotShift}};
constexpr ToneFamily kAsciiTones{&Settings::ASCIIMark,
                                 &Settings::ASCIISpace,
                                 &Settings::ASCIICenter,
                                 &Settings::ASCIIShift,
                                 {Control::DialogAsciiMark, Control::DialogAsciiSpace,
                                  Control::DialogAsciiCenter, Control::DialogAsciiShift}};
constexpr ToneFamily kPModeTones{&Settings::PMODEFREQ1,
                                 &Settings::PMODEFREQ2,
                                 &Settings::PMODECenter,
                                 &Settings::PMODEShift,
                                 {Control::DialogPModeFreq1, Control::DialogPModeFreq2,
                                  Control::DialogPModeCenter, Control::DialogPModeShift}};

// AMTOR and Baudot have their own tones; every other mode uses the ASCII ones.
const ToneFamily& fskFamily(OperatingMode mode) {
    if (mode == OperatingMode::Amtor) return kAmtorTones;
    if (mode == OperatingMode::Baudot) return kBaudotTones;
    return kAsciiTones;
}

} // namespace

int leadingNumber(const QString& text) {
    const std::string s = text.toStdString();
    std::size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && value < 100000000; ++i)
        value = value * 10 + (s[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

KeyPanels::KeyPanels(const OperationContext& context, ArqCalls& calls, QWidget& mainWindow,
                     QWidget& configurationDialog)
    : ctx_(context), calls_(calls), dialog_(configurationDialog),
      mycall_(new MycallPanel(&mainWindow)), hisCall_(new HisCallPanel(&mainWindow)),
      afChannel_(new AFChannelPanel(&mainWindow)),
      fskTones_(new TonesPanel(kFskTonesPanel, &mainWindow)),
      pmodeTones_(new TonesPanel(kPModeTonesPanel, &mainWindow)) {
    connectButtons();
}

void KeyPanels::connectButtons() {
    auto on = [](QPushButton* button, auto handler) {
        QObject::connect(button, &QPushButton::clicked, button, handler);
    };
    on(mycall_->Button1, [this] { calls_.acceptMycall(mycall_->edMycall->text()); });
    on(mycall_->Button3, [this] { cancelMycall(); });
    on(hisCall_->Button9, [this] { acceptHisCall(); });
    on(hisCall_->Button10, [this] { cancelHisCall(); });
    on(afChannel_->Button11, [this] { acceptAfChannel(); });
    on(afChannel_->Button12, [this] { cancelAfChannel(); });
    on(fskTones_->ok, [this] { acceptFskTones(); });
    on(fskTones_->cancel, [this] { cancelFskTones(); });
    on(pmodeTones_->ok, [this] { acceptPModeTones(); });
    on(pmodeTones_->cancel, [this] { cancelPModeTones(); });
    // Enter in an edit presses the panel's O&K.
    auto enterPresses = [](QLineEdit* edit, QPushButton* ok) {
        QObject::connect(edit, &QLineEdit::returnPressed, ok, &QPushButton::click);
    };
    enterPresses(mycall_->edMycall, mycall_->Button1);
    enterPresses(hisCall_->edHisCall, hisCall_->Button9);
    for (QLineEdit* edit : fskTones_->edits)
        enterPresses(edit, fskTones_->ok);
    for (QLineEdit* edit : pmodeTones_->edits)
        enterPresses(edit, pmodeTones_->ok);
}

void KeyPanels::show(Control control, QWidget& panel, QWidget* focus) {
    ctx_.surface.showCentredPanel(control);
    panel.raise();
    if (focus) focus->setFocus();
}

void KeyPanels::hideAndReturnFocus(QWidget& panel) {
    panel.hide();
    ctx_.surface.focusTransmitPane();
}

QString KeyPanels::dialogText(Control control) const {
    const QWidget* field = findControl<QWidget>(dialog_, control);
    return field ? field->property("text").toString() : QString();
}

void KeyPanels::checkDialogButton(Control control) {
    if (auto* button = findControl<QAbstractButton>(dialog_, control)) button->setChecked(true);
}

void KeyPanels::openMycallPanel() {
    ctx_.line.holdRouting(true);
    const bool amtor = ctx_.link.operatingMode == OperatingMode::Amtor;
    mycall_->edMycall->setText(
        QString::fromStdString(amtor ? ctx_.settings.MYCALL476 : ctx_.settings.MYCALL));
    show(Control::MycallPanel, *mycall_, mycall_->edMycall);
}

void KeyPanels::cancelMycall() {
    ctx_.line.holdRouting(false);
    hideAndReturnFocus(*mycall_);
}

void KeyPanels::openHisCallPanel() {
    ctx_.line.holdRouting(true);
    const bool amtor = ctx_.link.operatingMode == OperatingMode::Amtor;
    hisCall_->edHisCall->setText(
        QString::fromStdString(amtor ? ctx_.settings.HISCALL476 : ctx_.settings.HISCALL));
    show(Control::HisCallPanel, *hisCall_, hisCall_->edHisCall);
}

// Only the console keeps the other call; the modem hears it with the next call.
void KeyPanels::acceptHisCall() {
    ctx_.line.holdRouting(false);
    hisCall_->hide();
    const bool amtor = ctx_.link.operatingMode == OperatingMode::Amtor;
    (amtor ? ctx_.settings.HISCALL476 : ctx_.settings.HISCALL) =
        hisCall_->edHisCall->text().toStdString();
    ctx_.configChanged.set();
    ctx_.surface.focusTransmitPane();
}

void KeyPanels::cancelHisCall() {
    ctx_.line.holdRouting(false);
    hideAndReturnFocus(*hisCall_);
}

void KeyPanels::openAFChannelPanel() {
    afChannel_->AFChannelSpin->setValue(ctx_.settings.AFChannel);
    show(Control::AfChannelPanel, *afChannel_, nullptr);
}

void KeyPanels::acceptAfChannel() {
    afChannel_->hide();
    ctx_.settings.AFChannel = afChannel_->AFChannelSpin->value();
    const int channel =
        ctx_.settings.AFChannel >= 1 && ctx_.settings.AFChannel <= 3 ? ctx_.settings.AFChannel : 4;
    constexpr Control kChannelButtons[] = {Control::DialogAfChannel1, Control::DialogAfChannel2,
                                           Control::DialogAfChannel3, Control::DialogAfChannel4};
    checkDialogButton(kChannelButtons[channel - 1]);
    ctx_.line.sendCommand(command(CommandCode::AF_CHANNEL, {channel}));
    ctx_.configChanged.set();
}

void KeyPanels::cancelAfChannel() {
    afChannel_->hide();
}

void KeyPanels::openFSKTonesPanel() {
    show(Control::FskTonesPanel, *fskTones_, nullptr);
    const ToneFamily& family = fskFamily(ctx_.link.operatingMode);
    for (std::size_t i = 0; i < family.dialogFields.size(); ++i)
        fskTones_->edits[i]->setText(dialogText(family.dialogFields[i]));
}

namespace {
// Center and Shift are kept as typed, not worked out from the two tones.
void takeTones(Settings& settings, const ToneFamily& family, const TonesPanel& panel) {
    settings.*family.mark = leadingNumber(panel.edits[0]->text());
    settings.*family.space = leadingNumber(panel.edits[1]->text());
    settings.*family.center = leadingNumber(panel.edits[2]->text());
    settings.*family.shift = leadingNumber(panel.edits[3]->text());
}
} // namespace

void KeyPanels::acceptFskTones() {
    fskTones_->hide();
    const ToneFamily& family = fskFamily(ctx_.link.operatingMode);
    takeTones(ctx_.settings, family, *fskTones_);
    ctx_.line.sendCommand(fskTones(ctx_.settings.*family.mark, ctx_.settings.*family.space));
    ctx_.configChanged.set();
}

void KeyPanels::cancelFskTones() {
    fskTones_->hide();
}

void KeyPanels::openPModeTonesPanel() {
    show(Control::PModeTonesPanel, *pmodeTones_, nullptr);
    for (std::size_t i = 0; i < kPModeTones.dialogFields.size(); ++i)
        pmodeTones_->edits[i]->setText(dialogText(kPModeTones.dialogFields[i]));
}

void KeyPanels::acceptPModeTones() {
    pmodeTones_->hide();
    takeTones(ctx_.settings, kPModeTones, *pmodeTones_);
    ctx_.line.sendCommand(fskTones(ctx_.settings.PMODEFREQ1, ctx_.settings.PMODEFREQ2));
    ctx_.configChanged.set();
}

void KeyPanels::cancelPModeTones() {
    pmodeTones_->hide();
}

} // namespace orvane
