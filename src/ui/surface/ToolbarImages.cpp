#include "ui/surface/ToolbarImages.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace orvane {
namespace {

constexpr int kSize = 16;

QIcon lamp(const QColor& colour) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(2, 2, kSize - 4, kSize - 4);
    return QIcon(pixmap);
}

// Normal polarity points up, reverse points down: mark above or below space.
QIcon arrow(bool up) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(up ? QColor(0, 0, 160) : QColor(160, 0, 160));
    QPolygon shape =
        up ? QPolygon({{8, 2}, {14, 13}, {2, 13}}) : QPolygon({{2, 3}, {14, 3}, {8, 14}});
    painter.drawPolygon(shape);
    return QIcon(pixmap);
}

} // namespace

QIcon toolbarImage(int index) {
    switch (index) {
    case toolbar_image::TxDisabled: return lamp(Qt::red);
    case toolbar_image::TxEnabled: return lamp(Qt::green);
    case toolbar_image::Normal: return arrow(true);
    case toolbar_image::Reverse: return arrow(false);
    default: return {};
    }
}

} // namespace orvane
