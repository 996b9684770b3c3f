#include "ui/surface/PanelCentring.h"

#include <QWidget>

namespace orvane {

void centreOnWindow(QWidget& panel, const QWidget& window) {
    QPoint origin = centredOrigin(window.frameGeometry().size(), panel.size());
    QWidget* parent = panel.parentWidget();
    if (parent && parent != &window) origin = parent->mapFrom(&window, origin);
    panel.move(origin);
}

} // namespace orvane
