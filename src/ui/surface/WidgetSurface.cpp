#include "ui/surface/WidgetSurface.h"

#include "ui/surface/PanelCentring.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

namespace orvane {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr Control kSquelchMarkers[] = {Control::PrintSquelchMarker, Control::PrintSquelchMarker2};

} // namespace

WidgetSurface::WidgetSurface(QMainWindow& window, PanelSetter setPanel, std::ostream& log)
    : window_(window), setPanel_(std::move(setPanel)), controls_(window, log) {}

void WidgetSurface::setPanel(int index, const std::string& s) {
    if (setPanel_) setPanel_(index, text(s));
}

void WidgetSurface::setEnabled(Control control, bool on) {
    controls_.setEnabled(control, on);
}

void WidgetSurface::setCaption(Control control, const std::string& caption) {
    controls_.setCaption(control, text(caption));
}

void WidgetSurface::showCentredPanel(Control control) {
    // The panic panel's place is over the receive pane, wherever it is shown from.
    if (control == Control::PanicPanel && controls_.find(Control::ReceivePane).widget)
        return showPanelOverReceivePane(control);
    QWidget* panel = controls_.find(control).widget;
    if (!panel) return;
    centreOnWindow(*panel, window_);
    showNow(*panel);
}

void WidgetSurface::showPanelOverReceivePane(Control control) {
    QWidget* panel = controls_.find(control).widget;
    if (!panel) return;
    QWidget* pane = controls_.find(Control::ReceivePane).widget;
    if (!pane) {
        showCentredPanel(control);
        return;
    }
    // Measured in the pane, carried over to wherever the panel lives.
    QPoint origin = overPaneOrigin(pane->size(), panel->size());
    QWidget* parent = panel->parentWidget();
    panel->move(parent ? parent->mapFromGlobal(pane->mapToGlobal(origin)) : origin);
    showNow(*panel);
}

void WidgetSurface::showNow(QWidget& panel) {
    panel.show();
    panel.raise();
    // Shown from inside status handling, which may not return to the event
    // loop for a while: paint it now.
    if (panel.isVisible()) panel.repaint();
}

void WidgetSurface::hidePanel(Control control) {
    if (QWidget* panel = controls_.find(control).widget) panel->hide();
}

bool WidgetSurface::isPanelVisible(Control control) const {
    // Shown on the window, whether or not the window itself is on screen yet.
    QWidget* panel = controls_.find(control).widget;
    return panel && panel->isVisibleTo(&window_);
}

QPlainTextEdit* WidgetSurface::transmitPane() const {
    return qobject_cast<QPlainTextEdit*>(controls_.find(Control::TransmitPane).widget);
}

void WidgetSurface::setTxPaneEditable(bool editable) {
    if (QPlainTextEdit* pane = transmitPane()) pane->setReadOnly(!editable);
}

void WidgetSurface::setChecked(Control control, bool checked) {
    controls_.setChecked(control, checked);
}

void WidgetSurface::setVisible(Control control, bool visible) {
    controls_.setVisible(control, visible);
}

void WidgetSurface::setHint(Control control, const std::string& hint) {
    controls_.setHint(control, text(hint));
}

// The desktop shows every window's title followed by the call, so that two
// consoles on one screen are told apart.
void WidgetSurface::showStationCall(const std::string& call) {
    QGuiApplication::setApplicationDisplayName(text(call));
}

void WidgetSurface::setButtonImage(Control control, int imageIndex) {
    controls_.setImage(control, imageIndex);
}

bool WidgetSurface::isMainWindowVisible() const {
    return window_.isVisible();
}

void WidgetSurface::focusTransmitPane() {
    if (QPlainTextEdit* pane = transmitPane()) pane->setFocus();
}

void WidgetSurface::clearTransmitPane() {
    if (QPlainTextEdit* pane = transmitPane()) pane->clear();
}

void WidgetSurface::repaintReceivePane() {
    QWidget* pane = controls_.find(Control::ReceivePane).widget;
    if (pane && pane->isVisible()) pane->repaint();
}

void WidgetSurface::setToneBoxEntries(const std::vector<std::string>& entries) {
    auto* box = qobject_cast<QComboBox*>(controls_.find(Control::ToneList).widget);
    if (!box) return;
    QStringList items;
    for (const std::string& entry : entries)
        items << text(entry);
    box->clear();
    box->addItems(items);
}

void WidgetSurface::movePrintSquelchMarkers(int x) {
    for (Control marker : kSquelchMarkers) {
        if (QWidget* widget = controls_.find(marker).widget) widget->move(x, widget->y());
    }
}

void WidgetSurface::setPrintSquelchMarkersVisible(bool visible) {
    for (Control marker : kSquelchMarkers)
        controls_.setVisible(marker, visible);
}

} // namespace orvane
