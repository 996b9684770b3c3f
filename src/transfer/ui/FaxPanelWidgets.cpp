#include "transfer/ui/FaxPanelWidgets.h"

#include "app/surface/PanelCentring.h"
#include "protocol/link/ConsoleSurface.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include <climits>

namespace orvane {

namespace {
const char* const kBusyOff[] = {"butQORConnect", "butQORFEC",     "butQORDisconnect",
                                "butQORTXEnable", "butQORMsg0",   "butQORMsgPlus",
                                "butQORdeMY",     "butQORHisDeMY", "butQORCallCQ",
                                "butQORFoxes"};
// After the transfer; Disconnect and Foxes stay as they are.
const char* const kReleased[] = {"butQORConnect", "butQORFEC",  "butQORTXEnable",
                                 "butQORMsg0",    "butQORMsgPlus", "butQORdeMY",
                                 "butQORHisDeMY", "butQORCallCQ"};

QLabel* AddLabel(QFrame& panel, QGridLayout& grid, const char* name, const QString& text, int row,
                 int column, int span = 1) {
    auto* label = new QLabel(text, &panel);
    if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
    grid.addWidget(label, row, column, 1, span);
    return label;
}
} // namespace

FaxPanelWidgets::FaxPanelWidgets(QWidget& window, QFrame& panel, ConsoleSurface& surface)
    : window_(window), panel_(panel), surface_(surface) {
    auto* grid = new QGridLayout(&panel);
    auto* title = AddLabel(panel, *grid, "FAXTransferLabel", {}, 0, 0, 2);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    panel.setWindowTitle(QStringLiteral("FAX Transfer in Progress"));
    AddLabel(panel, *grid, "Label3", QStringLiteral("FAX Size:"), 1, 0);
    AddLabel(panel, *grid, "FAXTotalBytes", {}, 1, 1);
    AddLabel(panel, *grid, "FAXSentLabel", QStringLiteral("Sent:"), 2, 0);
    AddLabel(panel, *grid, "FAXReceiveLabel", QStringLiteral("Received:"), 2, 0)->hide();
    AddLabel(panel, *grid, "FAXReceivedBytes", {}, 2, 1);
    AddLabel(panel, *grid, nullptr, QStringLiteral("Progress:"), 3, 0);
    gauge_ = new QProgressBar(&panel);
    gauge_->setObjectName(QStringLiteral("FAXProgress"));
    gauge_->setTextVisible(false);
    gauge_->setRange(0, 100);
    grid->addWidget(gauge_, 3, 1);
    AddLabel(panel, *grid, nullptr, QStringLiteral("Status:"), 4, 0);
    AddLabel(panel, *grid, "FAXStatusLabel", {}, 4, 1);
    // Never shown: the elapsed time is never written, the rate only emptied.
    AddLabel(panel, *grid, "FAXElapsedTime", {}, 5, 0)->hide();
    AddLabel(panel, *grid, "FAXTransferRate", {}, 5, 1)->hide();
}

QLabel* FaxPanelWidgets::label(const char* name) const {
    return panel_.findChild<QLabel*>(QString::fromLatin1(name));
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
    return label("FAXTransferLabel")->text().toStdString();
}
void FaxPanelWidgets::setTitle(const std::string& text) {
    label("FAXTransferLabel")->setText(QString::fromStdString(text));
}
std::string FaxPanelWidgets::status() const {
    return label("FAXStatusLabel")->text().toStdString();
}
void FaxPanelWidgets::setStatus(const std::string& text) {
    label("FAXStatusLabel")->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setRate(const std::string& text) {
    label("FAXTransferRate")->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setTotal(const std::string& text) {
    label("FAXTotalBytes")->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::setCount(const std::string& text) {
    label("FAXReceivedBytes")->setText(QString::fromStdString(text));
}
void FaxPanelWidgets::showDirection(bool sending) {
    label("FAXSentLabel")->setVisible(sending);
    label("FAXReceiveLabel")->setVisible(!sending);
    label("Label3")->show();
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
void FaxPanelWidgets::setLinkStatus(const std::string& text) {
    surface_.setPanel(panel::Link, text);
}
void FaxPanelWidgets::applyBusySet() {
    for (const char* name : kBusyOff) surface_.setEnabled(name, false);
    surface_.setEnabled("butQORPanic", true);
}
void FaxPanelWidgets::releaseBusySet() {
    for (const char* name : kReleased) surface_.setEnabled(name, true);
    surface_.setEnabled("butQORPanic", false);
}

} // namespace orvane
