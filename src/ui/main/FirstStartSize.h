#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;

namespace orvane {

// The main window's size when no size is stored yet: wide enough for the
// widest mode toolbar with every button, the menu bar, and the status bar
// with the whole clock; never smaller than `least`, never larger than the
// screen's free area.
QSize firstStartSize(QMainWindow& window, QSize least, const QRect& available);

// Sizes the window so and centres it on the free area.
void placeForFirstStart(QMainWindow& window, QSize least, const QRect& available);

} // namespace orvane
