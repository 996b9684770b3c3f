#include "ui/monitor/FrequencyTuneWindow.h"

#include "controls/ControlNames.h"
#include "ui/monitor/MonitorWindowFlags.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

namespace orvane {
namespace {

constexpr int kScaleLeft = 8;
constexpr int kScaleTop = 4;
constexpr int kScaleWidth = 217;
constexpr int kScaleHeight = 17;
constexpr int kPointerWidth = 8;

QColor colourOf(PointerColour colour) {
    switch (colour) {
    case PointerColour::Lime: return QColor(0, 255, 0);
    case PointerColour::Yellow: return QColor(255, 255, 0);
    case PointerColour::Red: return QColor(255, 0, 0);
    }
    return QColor(0, 255, 0);
}

QWidget* filledBlock(QWidget* parent, const char* name, const QColor& colour, const QRect& where) {
    auto* block = new QWidget(parent);
    block->setObjectName(QString::fromLatin1(name));
    block->setGeometry(where);
    block->setAutoFillBackground(true);
    QPalette palette = block->palette();
    palette.setColor(QPalette::Window, colour);
    block->setPalette(palette);
    return block;
}

QToolButton* sideBandButton(QWidget* parent, const char* name, const char* caption,
                            const char* hint, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setToolTip(QString::fromLatin1(hint));
    button->setCheckable(true);
    button->setGeometry(left, 42, 36, 22);
    return button;
}

} // namespace

FrequencyTuneWindow::FrequencyTuneWindow(QWidget* owner) : QWidget(owner, kMonitorWindowFlags) {
    setObjectName(QStringLiteral("FrequencyTuneFrm"));
    setWindowTitle(QStringLiteral("Frequency Tune"));
    setFixedSize(kClientWidth, kClientHeight);

    filledBlock(this, "FreqScale", Qt::black, {kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight});
    pointer_ = filledBlock(this, "FreqPointer", colourOf(PointerColour::Lime),
                           {tuning::kPointerCentre, kScaleTop, kPointerWidth, kScaleHeight});

    auto* legend = new QLabel(
        QStringLiteral("-35                              0                            +35"), this);
    legend->setObjectName(QStringLiteral("FreqMeter"));
    QFont small = legend->font();
    small.setPointSize(7);
    legend->setFont(small);
    legend->setGeometry(kScaleLeft, kScaleTop + kScaleHeight, kScaleWidth, 16);

    auto* sideBands = new QButtonGroup(this);
    QToolButton* lsb = sideBandButton(this, objectNameText(Control::LowerSideBand), "LSB",
                                      "Select Lower Side Band tuning", kScaleLeft);
    QToolButton* usb = sideBandButton(this, objectNameText(Control::UpperSideBand), "USB",
                                      "Select Upper Side Band tuning", kScaleLeft + 40);
    sideBands->addButton(lsb);
    sideBands->addButton(usb);
    lsb->setChecked(true);

    auto* warning = new QLabel(QStringLiteral("Tune Slowly!"), this);
    warning->setObjectName(QStringLiteral("TuneSlowly"));
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);
    warning->setGeometry(kScaleLeft + 100, 44, 110, 18);
    warning->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    warning->setToolTip(
        QStringLiteral("The signal is far off frequency: turn the dial slowly toward the centre"));
    warning->hide();
    tuneSlowly_ = warning;

    pointer_->setToolTip(QStringLiteral(
        "How far the signal is off frequency, -35 to +35 on the scale: lime on frequency, "
        "yellow near, red far off"));
    legend->setToolTip(pointer_->toolTip());
}

void FrequencyTuneWindow::showTuneSlowly(bool shown) {
    if (tuneSlowly_->isVisibleTo(this) != shown) tuneSlowly_->setVisible(shown);
}

QColor FrequencyTuneWindow::pointerColour() const {
    return pointer_->palette().color(QPalette::Window);
}

void FrequencyTuneWindow::showPointer(const PointerPlace& where) {
    if (pointer_->x() != where.left) pointer_->move(where.left, pointer_->y());
    if (!where.colour) return;
    const QColor colour = colourOf(*where.colour);
    if (colour == pointerColour()) return;
    QPalette palette = pointer_->palette();
    palette.setColor(QPalette::Window, colour);
    pointer_->setPalette(palette);
}

} // namespace orvane
