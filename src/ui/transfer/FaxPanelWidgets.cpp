#include "ui/transfer/FaxPanelWidgets.h"

#include "platform/ControlObjects.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkButtons.h"
#include "ui/surface/PanelCentring.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include <climits>
#include <optional>

namespace orvane {

namespace {
QLabel* AddLabel(QFrame& panel, QGridLayout& grid, std::optional<Control> control,
                 const QString& text, int row, int column, int span = 1) {
    auto* label = new QLabel(text, &panel);
    if (control) nameControl(*label, *control);
    grid.addWidget(label, row, column, 1, span);
    return label;
}
} // namespace

FaxPanelWidgets::FaxPanelWidgets(QWidget& window, QFrame& panel, ConsoleSurface& surface)
    : window_(window), panel_(panel), surface_(surface) {
    auto* grid = new QGridLayout(&panel);
    auto* title = AddLabel(panel, *grid, Control::FaxTitle, {}, 0, 0, 2);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    panel.setWindowTitle(QStringLiteral("FAX Transfer in Progress"));
    AddLabel(panel, *grid, Control::FaxSizeCaption, QStringLiteral("FAX Size:"), 1, 0);
    AddLabel(panel, *grid, Control::FaxTotalBytes, {}, 1, 1);
    AddLabel(panel, *grid, Control::FaxSentCaption, QStringLiteral("Sent:"), 2, 0);
    AddLabel(panel, *grid, Control::FaxReceivedCaption, QStringLiteral("Received:"), 2, 0)->hide();
    AddLabel(panel, *grid, Control::FaxReceivedBytes, {}, 2, 1);
    AddLabel(panel, *grid, std::nullopt, QStringLiteral("Progress:"), 3, 0);
    gauge_ = new QProgressBar(&panel);
    nameControl(*gauge_, Control::FaxProgress);
    gauge_->setTextVisible(false);
    gauge_->setRange(0, 100);
    grid->addWidget(gauge_, 3, 1);
    AddLabel(panel, *grid, std::nullopt, QStringLiteral("Status:"), 4, 0);
    AddLabel(panel, *grid, Control::FaxStatus, {}, 4, 1);
    // Never shown: the elapsed time is never written, the rate only emptied.
    AddLabel(panel, *grid, Control::FaxElapsedTime, {}, 5, 0)->hide();
    AddLabel(panel, *grid, Control::FaxTransferRate, {}, 5, 1)->hide();
}

QLabel* FaxPanelWidgets::label(Control control) const {
    return findControl<QLabel>(panel_, control);
}

void FaxPanelWidgets::centrePanel() {
    centreOnWindow(panel_, window_);
}
void FaxPanelWidgets::showPanel() {
    panel_.show();
    panel_.raise();
}
void FaxPanelWidgets::hidePanel() {
    panel_.hide();
}
bool FaxPanelWidgets::panelVisible() const {
    return panel_.isVisible();
}
std::string FaxPanelWidgets::title() const {
    return label(Control::FaxTitle)->text().toStdString();
}
void FaxPanelWidgets::setTitle(const std::string& text) {
    label(Control::FaxTitle)->setText(QString::fromStdString(text));
}
std::string FaxPanelWidgets::status() const {
    return label(Control::FaxStatus)->text().toStdString();
}
void FaxPanelWidgets::setStatus(const std::string& text) {
    label(Control::FaxStatus)->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setRate(const std::string& text) {
    label(Control::FaxTransferRate)->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setTotal(const std::string& text) {
    label(Control::FaxTotalBytes)->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setCount(const std::string& text) {
    label(Control::FaxReceivedBytes)->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::showDirection(bool sending) {
    label(Control::FaxSentCaption)->setVisible(sending);
    label(Control::FaxReceivedCaption)->setVisible(!sending);
    label(Control::FaxSizeCaption)->show();
}
std::uint32_t FaxPanelWidgets::gaugeMax() const {
    return static_cast<std::uint32_t>(gauge_->maximum());
}
void FaxPanelWidgets::setGaugeMax(std::uint32_t maximum) {
    gauge_->setMaximum(static_cast<int>(std::min<std::uint32_t>(maximum, INT_MAX)));
}
std::uint32_t FaxPanelWidgets::gaugePosition() const {
    return static_cast<std::uint32_t>(std::max(gauge_->value(), 0));
}
void FaxPanelWidgets::setGauge(std::uint32_t position) {
    gauge_->setValue(static_cast<int>(std::min<std::uint32_t>(position, INT_MAX)));
    gauge_->repaint();
}
// The bar is painted at once: the transfer's reports may come faster than
// the window finds time to paint.
void FaxPanelWidgets::setLinkStatus(const std::string& text) {
    surface_.setPanel(panel::Link, text);
    if (auto* bar = window_.findChild<QStatusBar*>()) bar->repaint();
}
void FaxPanelWidgets::applyBusySet() {
    showLinkButtons(surface_, Toolbar::Quoral, LinkSituation::FaxBusy);
}
void FaxPanelWidgets::releaseBusySet() {
    showLinkButtons(surface_, Toolbar::Quoral, LinkSituation::FaxReleased);
}

} // namespace orvane
