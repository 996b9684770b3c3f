#include "ui/main/WindowPlacement.h"

#include "ui/main/MainWindow.h"
#include "ui/main/SecondaryWindows.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>

#include <algorithm>

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
    metrics.MonitorHeight = std::max({windows.amplitudeTune->frameGeometry().height(),
                                      windows.frequencyTune->frameGeometry().height(),
                                      windows.quoralStatistics->frameGeometry().height()});
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

namespace {

// Moves a window to the place the rule gives it at its real size.
void placeReachably(QWidget& window, int left, int top, const std::vector<ScreenArea>& screens) {
    const QSize size = window.frameGeometry().size();
    const ScreenArea place = reachablePlace({left, top, size.width(), size.height()}, screens);
    window.move(place.Left, place.Top);
}

} // namespace

ScreenLayout applyScreenLayout(const ScreenLayout& layout, MainWindow& main,
                               const SecondaryWindows& windows,
                               const std::vector<ScreenArea>& screens) {
    // The minimum size its contents need applies before the window is shown;
    // the place must be found for the size it will really have.
    if (QLayout* contents = main.layout()) contents->activate();
    main.resize(layout.MainWidth, layout.MainHeight);
    main.setTransmitHeight(layout.TransmitHeight);
    placeReachably(main, layout.MainLeft, layout.MainTop, screens);
    placeReachably(*windows.amplitudeTune, layout.AmpTuneLeft, layout.AmpTuneTop, screens);
    placeReachably(*windows.frequencyTune, layout.FreqTuneLeft, layout.FreqTuneTop, screens);
    placeReachably(*windows.quoralStatistics, layout.QuoralStatLeft, layout.QuoralStatTop, screens);
    if (QAction* a = main.action(Control::AmplitudeTuneItem)) a->setChecked(layout.AmpTune);
    if (QAction* a = main.action(Control::FrequencyTuneItem)) a->setChecked(layout.FreqTune);
    if (QAction* a = main.action(Control::QuoralStatisticsItem)) a->setChecked(layout.QuoralStat);
    ScreenLayout applied = captureScreenLayout(main, windows);
    applied.AmpTune = layout.AmpTune;
    applied.FreqTune = layout.FreqTune;
    applied.QuoralStat = layout.QuoralStat;
    return applied;
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
