#include "ui/operations/CqAndMessages.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "operations/BinaryTransferGuard.h"
#include "operations/OwnCall.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "serial/RoutingFlags.h"
#include "ui/operations/HereIsPanel.h"
#include "ui/surface/PanelCentring.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace orvane {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// CR LF, CR or LF end a line; a final line end adds no empty line.
QStringList lines(const std::string& bytes) {
    QStringList list = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                           .split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!list.isEmpty() && list.last().isEmpty()) list.removeLast();
    return list;
}

} // namespace

CqAndMessages::CqAndMessages(const OperationContext& context, const OwnCallGate& ownCall,
                             SupervisionTimers& timers, BinaryTransferGuard& guard,
                             MessageFiles files, HereIsPanel& hereIs, QWidget& mainWindow)
    : ctx_(context), ownCall_(ownCall), timers_(timers), guard_(guard), files_(std::move(files)),
      hereIs_(hereIs), mainWindow_(mainWindow) {
    QObject::connect(hereIs_.HereIsSelector, &QSpinBox::valueChanged, &hereIs_,
                     [this] { HereIsSelectorClick(); });
    QObject::connect(hereIs_.Button4, &QPushButton::released, &hereIs_, [this] { insertHereIs(); });
    QObject::connect(hereIs_.Button5, &QPushButton::clicked, &hereIs_, [this] { cancelHereIs(); });
}

bool CqAndMessages::transferRunning() const {
    return guard_.binaryTransferInProgress();
}

void CqAndMessages::butCallCQClick() {
    if (transferRunning() || !ownCall_.allowsOnAir()) return;
    LinkState& link = ctx_.link;
    link.savedOperatingMode = link.operatingMode;
    const Settings& s = ctx_.settings;
    switch (link.operatingMode) {
    case OperatingMode::Baudot:
    case OperatingMode::Ascii:
    case OperatingMode::QuoralBroadcast:
    case OperatingMode::PModeUnproto:
    case OperatingMode::Psk31:
        ctx_.txPane.insertAtCaret(q("CQ CQ CQ DE " + s.MYCALL + "\n"));
        break;
    case OperatingMode::AmtorBroadcast:
        ctx_.txPane.insertAtCaret(q("CQ CQ CQ DE " + s.MYCALL476 + " " + s.MYCALL + "\n"));
        break;
    case OperatingMode::Quoral:
        if (link.answerCqPending) {
            timers_.cqTimer().stop();
            ctx_.surface.setCaption(Control::QuoralCallCq, "Answering CQ");
            link.answerCqPending = false;
            ctx_.line.sendCommand(textCommand(CommandCode::QUORAL_ANSWER_CQ, ""));
        } else {
            ctx_.line.sendCommand(textCommand(CommandCode::QUORAL_CQ, ""));
        }
        showLinkButtons(ctx_.surface, Toolbar::Quoral, LinkSituation::CallingCq);
        break;
    case OperatingMode::Amtor:
    case OperatingMode::PMode: break;
    }
}

void CqAndMessages::queueQuoralCq() {
    if (!ownCall_.allowsOnAir()) return;
    ctx_.line.sendCommand(textCommand(CommandCode::QUORAL_CQ, ""));
    showLinkButtons(ctx_.surface, Toolbar::Quoral, LinkSituation::CallRequested);
}

void CqAndMessages::butDeMYClick() {
    if (transferRunning() || !ownCall_.allowsOnAir()) return;
    ctx_.txPane.insertAtCaret(q("DE " + ctx_.settings.MYCALL + " "));
}

void CqAndMessages::butHISdeMYClick() {
    if (!ownCall_.allowsOnAir()) return;
    ctx_.txPane.insertAtCaret(q(ctx_.settings.HISCALL + " DE " + ctx_.settings.MYCALL + " "));
}

void CqAndMessages::butMsg0Click() {
    if (transferRunning()) return;
    const QStringList message = lines(files_.read(0));
    if (ctx_.txPane.isEmpty())
        ctx_.txPane.setText(message.join(QStringLiteral("\r\n")));
    else
        ctx_.txPane.appendLines(message);
}

void CqAndMessages::loadMessage(int number) {
    hereIs_.edHereIs->clear();
    hereIs_.edHereIs->setPlainText(QString::fromLatin1(files_.read(number).c_str()));
}

void CqAndMessages::butMsgPlusClick() {
    if (transferRunning()) return;
    openHereIs(1);
}

void CqAndMessages::openHereIs(int number) {
    hereIs_.showNumber(number);
    loadMessage(number);
    centreOnWindow(hereIs_, mainWindow_);
    hereIs_.show();
    hereIs_.raise();
    hereIs_.HereIsSelector->setFocus();
}

void CqAndMessages::openHereIsHoldingRouting() {
    ctx_.line.holdRouting(true);
    openHereIs(0);
}

void CqAndMessages::HereIsSelectorClick() {
    loadMessage(hereIs_.number());
}

void CqAndMessages::insertHereIs() {
    const QString text = hereIs_.edHereIs->toPlainText();
    if (ctx_.txPane.isEmpty())
        ctx_.txPane.setText(text + QStringLiteral("\r\n"));
    else
        ctx_.txPane.appendLines(text.split(QLatin1Char('\n')));
    ctx_.line.holdRouting(false);
    hereIs_.hide();
}

void CqAndMessages::cancelHereIs() {
    ctx_.line.holdRouting(false);
    hereIs_.hide();
    ctx_.surface.focusTransmitPane();
}

void CqAndMessages::butFoxesClick() {
    if (transferRunning()) return;
    const OperatingMode mode = ctx_.link.operatingMode;
    if (!ctx_.link.linkUp && !isFsk(mode) && !isBroadcast(mode) && mode != OperatingMode::Psk31)
        return;
    ctx_.txPane.moveCaretToEnd();
    ctx_.txPane.restoreTypingColour();
    ctx_.txPane.appendLines({QString::fromLatin1(kFoxText), QString()}); // a finished line
}

} // namespace orvane
