#include "ui/operations/ArqCalls.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "configure/CallSignList.h"
#include "modes/ModeSurface.h"
#include "modes/TerminalModeState.h"
#include "modes/WordCompare.h"
#include "operations/OwnCall.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "platform/Prompter.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/ModeControls.h"
#include "serial/RoutingFlags.h"
#include "ui/operations/CallPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace orvane {
namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// A station list as the settings keep it: whole items, quoted where needed.
QStringList stationList(const std::string& setting) {
    QStringList items;
    for (const std::string& item : splitCallList(setting))
        items << QString::fromStdString(item);
    return items;
}

std::string stationListText(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i)
        items.push_back(text(box.itemText(i)));
    return joinCallList(items);
}

} // namespace

ArqCalls::ArqCalls(const OperationContext& context, const OwnCallGate& ownCall,
                   TerminalModeState& terminal, Prompter& prompter, CallPanel& panel,
                   QWidget& mainWindow, QWidget& receivePane)
    : ctx_(context), ownCall_(ownCall), terminal_(terminal), prompter_(prompter), panel_(panel),
      mainWindow_(mainWindow), receivePane_(receivePane) {
    QObject::connect(panel_.butCall, &QPushButton::clicked, &panel_, [this] { butCallClick(); });
    // Cancel, Escape and the close box all reject the dialog.
    QObject::connect(panel_.CancelBtn, &QPushButton::clicked, &panel_, &QDialog::reject);
    QObject::connect(&panel_, &QDialog::rejected, &panel_, [this] { CancelBtnClick(); });
    // A click on the radio that is not checked yet is the operator's choice.
    QObject::connect(panel_.butLongPath, &QRadioButton::toggled, &panel_, [this](bool on) {
        if (on) butLongPathClick();
    });
    QObject::connect(panel_.butShortPath, &QRadioButton::toggled, &panel_, [this](bool on) {
        if (on) butShortPathClick();
    });
    // Typed calls are upper case and may be new stations.
    QObject::connect(panel_.CallBox->lineEdit(), &QLineEdit::textEdited, &panel_,
                     [this](const QString& typed) {
                         QLineEdit* edit = panel_.CallBox->lineEdit();
                         const int at = edit->cursorPosition();
                         edit->setText(typed.toUpper());
                         edit->setCursorPosition(at);
                         terminal_.callTyped = true;
                     });
}

void ArqCalls::prepare(bool fromReceivePane) {
    const OperatingMode mode = ctx_.link.operatingMode;
    QComboBox& box = *panel_.CallBox;
    box.clear();
    box.addItems(stationList(mode == OperatingMode::Amtor ? ctx_.settings.HISCALL476LIST
                                                          : ctx_.settings.HISCALLLIST));
    box.setCurrentIndex(0);
    const bool quoral = mode == OperatingMode::Quoral;
    const bool radios = quoral || mode == OperatingMode::PMode;
    panel_.butLongPath->setVisible(radios);
    panel_.butShortPath->setVisible(radios);
    if (quoral) {
        panel_.butLongPath->setText(QStringLiteral("Adaptive"));
        panel_.butShortPath->setText(QStringLiteral("Manual"));
        checkRadio(waveformMode_ == 2);
        panel_.setHeights(waveformMode_ == 2 ? 340 : 135, 97);
    } else if (radios) {
        panel_.butLongPath->setText(QStringLiteral("Long path"));
        panel_.butShortPath->setText(QStringLiteral("Short path"));
        checkRadio(true);
        panel_.setHeights(135, 97);
    } else {
        panel_.setHeights(120, 83);
    }
    if (callIndexKnown_) box.setCurrentIndex(lastCallIndex_);
    callIndexKnown_ = true;
    const QWidget& anchor = fromReceivePane ? receivePane_ : mainWindow_;
    const QPoint origin = anchor.mapToGlobal(QPoint(0, 0));
    panel_.move(origin + (fromReceivePane ? QPoint(40, 60) : QPoint(50, 50)));
}

// Checking here acts as the operator's click would when the radio changes.
void ArqCalls::checkRadio(bool manual) {
    (manual ? panel_.butShortPath : panel_.butLongPath)->setChecked(true);
}

void ArqCalls::butConnectClick() {
    if (!ownCall_.allowsOnAir()) return;
    prepare(false);
    prompter_.runDialog(panel_);
}

void ArqCalls::callDialogFromKey() {
    if (!ownCall_.allowsOnAir()) return;
    prepare(true);
    if (ctx_.link.operatingMode == OperatingMode::PMode) panel_.setHeights(140, 97);
    prompter_.runDialog(panel_);
}

void ArqCalls::callDialogForSelection(const QString& selectedText) {
    if (!ownCall_.allowsOnAir()) return;
    terminal_.callTyped = true;
    prepare(true);
    panel_.CallBox->setEditText(selectedText.trimmed().toUpper());
    prompter_.runDialog(panel_);
}

void ArqCalls::butLongPathClick() {
    if (ctx_.link.operatingMode != OperatingMode::Quoral) return;
    waveformMode_ = 1;
    ctx_.line.sendCommand(command(CommandCode::ADAPTIVE_ON));
    panel_.setHeights(135, 97);
}

void ArqCalls::butShortPathClick() {
    if (ctx_.link.operatingMode != OperatingMode::Quoral) return;
    waveformMode_ = 2;
    ctx_.line.sendCommand(command(CommandCode::ADAPTIVE_OFF));
    panel_.setHeights(340, 97);
}

void ArqCalls::addNewStation(const QString& call) {
    QComboBox& box = *panel_.CallBox;
    const bool amtor = ctx_.link.operatingMode == OperatingMode::Amtor;
    if (amtor && call.size() >= 6) return; // a 625 call is not kept
    const std::string& current = amtor ? ctx_.settings.HISCALL476 : ctx_.settings.HISCALL;
    // The factory placeholder gives way to the first station really called.
    if (current == (amtor ? "SCALL" : "HISCALL") && box.count() > 0) box.removeItem(0);
    box.addItem(call);
    (amtor ? ctx_.settings.HISCALL476LIST : ctx_.settings.HISCALLLIST) = stationListText(box);
    terminal_.callTyped = false;
    ctx_.configChanged.set();
}

void ArqCalls::butCallClick() {
    QComboBox& box = *panel_.CallBox;
    const QString call = box.currentText();
    const OperatingMode mode = ctx_.link.operatingMode;
    Settings& s = ctx_.settings;
    if (terminal_.callTyped && box.findText(call, Qt::MatchExactly) < 0) addNewStation(call);
    if (!isFsk(mode)) showLinkButtons(ctx_.surface, kArqToolbars, LinkSituation::CallRequested);
    lastCallIndex_ = box.findText(call, Qt::MatchExactly);

    std::string called;
    switch (mode) {
    case OperatingMode::Quoral: {
        const int row = panel_.WaveFormatList->currentRow();
        if (waveformMode_ == 2 && row >= 0)
            ctx_.line.sendCommand(
                command(CommandCode::QUORAL_WAVEFORM, {kWaveforms[row].waveformByte}));
        s.HISCALL = text(call);
        const bool robust = sameWordIgnoringCase(s.ConnectBias, "ROBUST");
        ctx_.line.sendCommand(textCommand(
            robust ? CommandCode::QUORAL_CALL_ROBUST : CommandCode::QUORAL_CALL_NORMAL, s.HISCALL));
        ctx_.surface.setHint(Control::QuoralHisDeMy, s.HISCALL + " de " + s.MYCALL);
        called = s.HISCALL;
        break;
    }
    case OperatingMode::Amtor:
        if (call.size() > 5) {
            s.HISCALL625 = text(call);
            ctx_.line.sendCommand(textCommand(CommandCode::AMTOR_CALL_625, s.HISCALL625));
            ctx_.surface.setHint(Control::AmtorHisDeMy, s.HISCALL625 + " de " + s.MYCALL625);
            called = s.HISCALL625;
        } else {
            s.HISCALL476 = text(call);
            ctx_.line.sendCommand(textCommand(CommandCode::AMTOR_CALL_476, s.HISCALL476));
            ctx_.surface.setHint(Control::AmtorHisDeMy, s.HISCALL476 + " de " + s.MYCALL476);
            called = s.HISCALL476;
        }
        break;
    case OperatingMode::PMode:
        s.HISCALL = text(call);
        ctx_.line.sendCommand(textCommand(panel_.butShortPath->isChecked()
                                              ? CommandCode::PMODE_CALL_SHORT
                                              : CommandCode::PMODE_CALL_LONG,
                                          s.HISCALL));
        ctx_.surface.setHint(Control::PModeHisDeMy, s.HISCALL + " de " + s.MYCALL);
        called = s.HISCALL;
        break;
    case OperatingMode::Baudot:
    case OperatingMode::Ascii:
        s.HISCALL = text(call);
        ctx_.txPane.insertAtCaret(QString::fromStdString(s.HISCALL + " DE " + s.MYCALL + " "));
        if (auto button = controlsOf(mode).hisDeMyButton)
            ctx_.surface.setHint(*button, s.HISCALL + " de " + s.MYCALL);
        break;
    default: break;
    }
    if (mode == OperatingMode::Quoral || mode == OperatingMode::Amtor ||
        mode == OperatingMode::PMode)
        ctx_.surface.setPanel(panel::Link, "Calling " + called);
    ctx_.link.savedOperatingMode = mode;
    panel_.hide();
    ctx_.surface.focusTransmitPane();
}

void ArqCalls::CancelBtnClick() {
    panel_.hide();
    ctx_.line.sendCommand(command(CommandCode::ADAPTIVE_ON));
}

void ArqCalls::acceptMycall(const QString& ownCall) {
    ctx_.line.holdRouting(false);
    Settings& s = ctx_.settings;
    if (ctx_.link.operatingMode == OperatingMode::Amtor) {
        s.MYCALL476 = text(ownCall);
        ctx_.line.sendCommand(textCommand(CommandCode::SET_MYCALL476, s.MYCALL476));
        ctx_.configChanged.set();
    } else {
        takeOwnCall(ctx_, text(ownCall));
    }
    ctx_.surface.hidePanel(Control::MycallPanel);
    ctx_.surface.focusTransmitPane();
}

} // namespace orvane
