#include "app/surface/WidgetSurface.h"

#include "app/surface/PanelCentring.h"

#include <QComboBox>
#include <QMainWindow>
#include <QTextEdit>

namespace orvane {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr const char* kTransmitPane = "reTXData";
constexpr const char* kReceivePane = "reRXData";
constexpr const char* kToneBox = "ToneBox";
constexpr const char* kSquelchMarkers[] = {"PrintSquelch", "PrintSquelch2"};

} // namespace

WidgetSurface::WidgetSurface(QMainWindow& window, PanelSetter setPanel, std::ostream& log)
    : window_(window), setPanel_(std::move(setPanel)), controls_(window, log) {}

void WidgetSurface::setPanel(int index, const std::string& s) {
    if (setPanel_) setPanel_(index, text(s));
}

void WidgetSurface::setEnabled(const std::string& objectName, bool on) {
    controls_.setEnabled(objectName, on);
}

void WidgetSurface::setCaption(const std::string& objectName, const std::string& caption) {
    controls_.setCaption(objectName, text(caption));
}

void WidgetSurface::showCentredPanel(const std::string& objectName) {
    // The panic panel's place is over the receive pane, wherever it is shown from.
    if (objectName == "PanicPanel" && controls_.find(kReceivePane).widget)
        return showPanelOverReceivePane(objectName);
    QWidget* panel = controls_.find(objectName).widget;
    if (!panel) return;
    centreOnWindow(*panel, window_);
    showNow(*panel);
}

void WidgetSurface::showPanelOverReceivePane(const std::string& objectName) {
    QWidget* panel = controls_.find(objectName).widget;
    if (!panel) return;
    QWidget* pane = controls_.find(kReceivePane).widget;
    if (!pane) {
        showCentredPanel(objectName);
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

void WidgetSurface::hidePanel(const std::string& objectName) {
    if (QWidget* panel = controls_.find(objectName).widget) panel->hide();
}

bool WidgetSurface::isPanelVisible(const std::string& objectName) const {
    // Shown on the window, whether or not the window itself is on screen yet.
    QWidget* panel = controls_.find(objectName).widget;
    return panel && panel->isVisibleTo(&window_);
}

QTextEdit* WidgetSurface::transmitPane() const {
    return qobject_cast<QTextEdit*>(controls_.find(kTransmitPane).widget);
}

void WidgetSurface::setTxPaneEditable(bool editable) {
    if (QTextEdit* pane = transmitPane()) pane->setReadOnly(!editable);
}

void WidgetSurface::setChecked(const std::string& objectName, bool checked) {
    controls_.setChecked(objectName, checked);
}

void WidgetSurface::setVisible(const std::string& objectName, bool visible) {
    controls_.setVisible(objectName, visible);
}

void WidgetSurface::setHint(const std::string& objectName, const std::string& hint) {
    controls_.setHint(objectName, text(hint));
}

void WidgetSurface::setButtonImage(const std::string& objectName, int imageIndex) {
    controls_.setImage(objectName, imageIndex);
}

bool WidgetSurface::isMainWindowVisible() const {
    return window_.isVisible();
}

void WidgetSurface::focusTransmitPane() {
    if (QTextEdit* pane = transmitPane()) pane->setFocus();
}

void WidgetSurface::clearTransmitPane() {
    if (QTextEdit* pane = transmitPane()) pane->clear();
}

void WidgetSurface::repaintReceivePane() {
    QWidget* pane = controls_.find(kReceivePane).widget;
    if (pane && pane->isVisible()) pane->repaint();
}

void WidgetSurface::setToneBoxEntries(const std::vector<std::string>& entries) {
    auto* box = qobject_cast<QComboBox*>(controls_.find(kToneBox).widget);
    if (!box) return;
    QStringList items;
    for (const std::string& entry : entries)
        items << text(entry);
    box->clear();
    box->addItems(items);
}

void WidgetSurface::movePrintSquelchMarkers(int x) {
    for (const char* name : kSquelchMarkers) {
        if (QWidget* marker = controls_.find(name).widget) marker->move(x, marker->y());
    }
}

void WidgetSurface::setPrintSquelchMarkersVisible(bool visible) {
    for (const char* name : kSquelchMarkers)
        controls_.setVisible(name, visible);
}

} // namespace orvane
