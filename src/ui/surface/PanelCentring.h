#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace orvane {

// Where a panel goes to sit in the middle of the main window:
// left = window width / 2 - panel width / 2, top likewise, each division
// truncated toward zero (so odd sizes round the same way every time).
constexpr QPoint centredOrigin(QSize window, QSize panel) {
    return {window.width() / 2 - panel.width() / 2, window.height() / 2 - panel.height() / 2};
}

// The panic panel's place over the receive pane: centred across the pane,
// its top at half the pane's height.
constexpr QPoint overPaneOrigin(QSize pane, QSize panel) {
    return {pane.width() / 2 - panel.width() / 2, pane.height() / 2};
}

// Moves `panel` to the centre of `window`, measured on the window's outer
// size; the panel may sit in any child of the window.
void centreOnWindow(QWidget& panel, const QWidget& window);

} // namespace orvane
