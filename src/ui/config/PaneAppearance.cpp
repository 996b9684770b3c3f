#include "ui/config/PaneAppearance.h"

#include "config/Colour.h"
#include "config/Settings.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace orvane {
namespace {

void applyTo(QWidget& pane, const std::string& font, int size, const std::string& background,
             const std::string& text) {
    pane.setFont(paneFont(QString::fromStdString(font), size));
    QPalette palette = pane.palette();
    palette.setColor(QPalette::Base, colourFromName(background));
    palette.setColor(QPalette::Text, colourFromName(text));
    pane.setPalette(palette);
}

} // namespace

QColor colourFromName(const std::string& name) {
    const Rgb rgb = ColourFromName(name);
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

QFont paneFont(const QString& storedName, int pointSize) {
    QFont font = QFontDatabase::hasFamily(storedName)
                     ? QFont(storedName)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (pointSize > 0 && pointSize <= kLargestFontSize) font.setPointSize(pointSize);
    return font;
}

void applyPaneAppearance(const Settings& settings, QWidget& receivePane, QWidget& transmitPane) {
    applyTo(receivePane, settings.ReceiveFont, settings.ReceiveTextSize, settings.ReceiveColor,
            settings.ReceiveTextColor);
    applyTo(transmitPane, settings.TransmitFont, settings.TransmitTextSize, settings.TransmitColor,
            settings.TransmitTextColor);
}

} // namespace orvane
