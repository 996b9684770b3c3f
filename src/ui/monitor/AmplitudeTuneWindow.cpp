#include "ui/monitor/AmplitudeTuneWindow.h"

#include "monitor/TuningFigures.h"
#include "platform/ControlObjects.h"
#include "ui/monitor/MonitorWindowFlags.h"

#include <QProgressBar>

namespace orvane {
namespace {

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
    for (int i = 0; i < 4; ++i) {
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("TuneBar%1").arg(i + 1));
        bar->setRange(0, tuning::kBarMaximum);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(kBarLeft, kBarTop + i * kBarPitch, kBarWidth, kBarHeight);
        bars_[static_cast<std::size_t>(i)] = bar;
    }
    squelchMarker(this, Control::PrintSquelchMarker, kBarTop)->raise();
    squelchMarker(this, Control::PrintSquelchMarker2, kBarTop + 3 * kBarPitch)->raise();
}

void AmplitudeTuneWindow::showBars(const std::array<int, 4>& positions) {
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i]->setValue(positions[i]);
}

int AmplitudeTuneWindow::bar(int index) const {
    return bars_.at(static_cast<std::size_t>(index))->value();
}

} // namespace orvane
