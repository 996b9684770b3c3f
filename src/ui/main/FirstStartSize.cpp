#include "ui/main/FirstStartSize.h"

#include "monitor/ClockText.h"
#include "monitor/StatusBarView.h"

#include "platform/ControlObjects.h"
#include "platform/StatusPanel.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <chrono>

namespace orvane {
namespace {

// The clock at its widest: the longest day and month names, two-digit day.
int clockTextWidth(const QLabel& clockPanel) {
    using namespace std::chrono;
    const auto widest =
        sys_days{year(2026) / September / 30} + hours(23) + minutes(59) + seconds(59);
    const QString text = QString::fromStdString(ClockText(widest));
    // The panel's frame and margins besides the text.
    return clockPanel.fontMetrics().horizontalAdvance(text) + 8;
}

int statusBarWidth(QMainWindow& window) {
    QStatusBar* bar = window.statusBar();
    auto* clock = findControl<QLabel>(*bar, Control::ClockPanel);
    if (!clock) return bar->sizeHint().width();
    const int before = clock->minimumWidth();
    clock->setMinimumWidth(std::max(before, clockTextWidth(*clock)));
    const int width = bar->sizeHint().width();
    clock->setMinimumWidth(before);
    return width;
}

} // namespace

QSize firstStartSize(QMainWindow& window, QSize least, const QRect& available) {
    int width =
        std::max({least.width(), window.menuBar()->sizeHint().width(), statusBarWidth(window)});
    // One mode toolbar shows at a time; each must fit with its handle and margins.
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        width = std::max(width, bar->sizeHint().width() +
                                    bar->style()->pixelMetric(QStyle::PM_ToolBarHandleExtent));
    const int height = std::max(least.height(), window.sizeHint().height());
    return {std::min(width, available.width()), std::min(height, available.height())};
}

void placeForFirstStart(QMainWindow& window, QSize least, const QRect& available) {
    const QSize size = firstStartSize(window, least, available);
    window.resize(size);
    window.move(available.x() + (available.width() - size.width()) / 2,
                available.y() + (available.height() - size.height()) / 2);
}

} // namespace orvane
