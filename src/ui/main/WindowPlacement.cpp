#include "ui/main/WindowPlacement.h"

#include "ui/main/MainWindow.h"
#include "ui/main/SecondaryWindows.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

namespace orvane {

ScreenMetrics currentScreenMetrics(const SecondaryWindows& windows) {
    ScreenMetrics metrics;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.ScreenWidth = screen->geometry().width();
        metrics.ScreenHeight = screen->geometry().height();
    }
    metrics.AmpTuneWidth = windows.amplitudeTune->frameGeometry().width();
    metrics.FreqTuneWidth = windows.frequencyTune->frameGeometry().width();
    metrics.QuoralStatWidth = windows.quoralStatistics->frameGeometry().width();
    return metrics;
}

std::vector<ScreenArea> currentScreenAreas() {
    std::vector<ScreenArea> areas;
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

void applyScreenLayout(const ScreenLayout& layout, MainWindow& main,
                       const SecondaryWindows& windows) {
    main.resize(layout.MainWidth, layout.MainHeight);
    main.setTransmitHeight(layout.TransmitHeight);
    main.move(layout.MainLeft, layout.MainTop);
    windows.amplitudeTune->move(layout.AmpTuneLeft, layout.AmpTuneTop);
    windows.frequencyTune->move(layout.FreqTuneLeft, layout.FreqTuneTop);
    windows.quoralStatistics->move(layout.QuoralStatLeft, layout.QuoralStatTop);
    if (QAction* a = main.action(Control::AmplitudeTuneItem)) a->setChecked(layout.AmpTune);
    if (QAction* a = main.action(Control::FrequencyTuneItem)) a->setChecked(layout.FreqTune);
    if (QAction* a = main.action(Control::QuoralStatisticsItem)) a->setChecked(layout.QuoralStat);
}

ScreenLayout captureScreenLayout(const MainWindow& main, const SecondaryWindows& windows) {
    ScreenLayout layout;
    layout.MainLeft = main.x();
    layout.MainTop = main.y();
    layout.MainWidth = main.width();
    layout.MainHeight = main.height();
    layout.TransmitHeight = main.transmitHeight();
    layout.AmpTune = windows.amplitudeTune->isVisible();
    layout.AmpTuneLeft = windows.amplitudeTune->x();
    layout.AmpTuneTop = windows.amplitudeTune->y();
    layout.FreqTune = windows.frequencyTune->isVisible();
    layout.FreqTuneLeft = windows.frequencyTune->x();
    layout.FreqTuneTop = windows.frequencyTune->y();
    layout.QuoralStat = windows.quoralStatistics->isVisible();
    layout.QuoralStatLeft = windows.quoralStatistics->x();
    layout.QuoralStatTop = windows.quoralStatistics->y();
    return layout;
}

void showMonitorWindows(const ScreenLayout& layout, const SecondaryWindows& windows) {
    if (layout.AmpTune) windows.amplitudeTune->show();
    if (layout.FreqTune) windows.frequencyTune->show();
    if (layout.QuoralStat) windows.quoralStatistics->show();
}

} // namespace orvane
