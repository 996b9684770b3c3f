#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>

class QWidget;

namespace orvane {

struct Settings;

// The largest point size a pane or the font dialog takes: three digits.
inline constexpr int kLargestFontSize = 999;

// The font a pane shows for a stored font name. A name that is not installed
// here ("Fixedsys" never is on Linux) gives the system's fixed-width font at
// the stored size; the settings keep the stored name either way. A size out
// of 1 to kLargestFontSize leaves the font's own size.
QFont paneFont(const QString& storedName, int pointSize);

// The colour a settings colour name stands for.
QColor colourFromName(const std::string& name);

// Fonts and background colours of the receive and transmit panes.
void applyPaneAppearance(const Settings& settings, QWidget& receivePane, QWidget& transmitPane);

} // namespace orvane
