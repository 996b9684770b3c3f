#include "ui/monitor/AmplitudeTuneWindow.h"

#include "monitor/TuningFigures.h"
#include "platform/ControlObjects.h"
#include "ui/monitor/MonitorWindowFlags.h"

#include <QLabel>
#include <QProgressBar>

namespace orvane {
namespace {

constexpr int kLabelWidth = 30; // "Ch 1" before each bar
constexpr int kBarLeft = 1;
constexpr int kBarWidth = 173;
constexpr int kBarHeight = 13;
constexpr int kBarPitch = 17;
constexpr int kBarTop = 2;
constexpr int kMarkerWidth = 5;

QWidget* squelchMarker(QWidget* window, Control control, int top) {
    auto* marker = new QWidget(window);
    nameControl(*marker, control);
    marker->setGeometry(0, top, kMarkerWidth, kBarHeight);
    marker->setAutoFillBackground(true);
    QPalette palette = marker->palette();
    palette.setColor(QPalette::Window, Qt::red);
    marker->setPalette(palette);
    marker->hide();
    return marker;
}

} // namespace

AmplitudeTuneWindow::AmplitudeTuneWindow(QWidget* owner) : QWidget(owner, kMonitorWindowFlags) {
    setObjectName(QStringLiteral("AmplitudeTuneFrm"));
    setWindowTitle(QStringLiteral("Amplitude Bars"));
    setFixedSize(kClientWidth, kClientHeight);
    // The bars and the markers, whose places count from the scale's left edge.
    auto* scale = new QWidget(this);
    scale->setGeometry(kLabelWidth, 0, kClientWidth - kLabelWidth, kClientHeight);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QStringLiteral("Ch %1").arg(i + 1), this);
        label->setGeometry(1, kBarTop + i * kBarPitch, kLabelWidth - 2, kBarHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* bar = new QProgressBar(scale);
        bar->setObjectName(QStringLiteral("TuneBar%1").arg(i + 1));
        bar->setRange(0, tuning::kBarMaximum);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(kBarLeft, kBarTop + i * kBarPitch, kBarWidth, kBarHeight);
        bar->setToolTip(QStringLiteral("Signal level of channel %1 as the modem hears it; a red "
                                       "mark is the print squelch threshold")
                            .arg(i + 1));
        label->setToolTip(bar->toolTip());
        bars_[static_cast<std::size_t>(i)] = bar;
    }
    squelchMarker(scale, Control::PrintSquelchMarker, kBarTop)->raise();
    squelchMarker(scale, Control::PrintSquelchMarker2, kBarTop + 3 * kBarPitch)->raise();
}

void AmplitudeTuneWindow::showBars(const std::array<int, 4>& positions) {
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i]->setValue(positions[i]);
}

int AmplitudeTuneWindow::bar(int index) const {
    return bars_.at(static_cast<std::size_t>(index))->value();
}

} // namespace orvane
