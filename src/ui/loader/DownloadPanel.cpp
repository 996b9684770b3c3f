#include "ui/loader/DownloadPanel.h"

#include "platform/ControlObjects.h"
#include "ui/surface/PanelCentring.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace orvane {
namespace {

int gaugeValue(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

DownloadPanel::DownloadPanel(QMainWindow& mainWindow)
    : QObject(&mainWindow), mainWindow_(mainWindow),
      panel_(findControl<QWidget>(mainWindow, Control::FirmwarePanel)),
      gauge_(findControl<QProgressBar>(*panel_, Control::FirmwareGauge)),
      fileName_(findControl<QLabel>(*panel_, Control::FirmwareFileName)),
      abortButton_(findControl<QPushButton>(*panel_, Control::FirmwareAbort)) {
    connect(abortButton_, &QPushButton::clicked, this, [this] { requestAbort(); });
}

void DownloadPanel::showPanel(const std::string& fileName) {
    // Started from the start-up check the main window is not up yet; the
    // operator needs the gauge and the Abort button all the same.
    if (!mainWindow_.isVisible()) mainWindow_.show();
    fileName_->setText(QString::fromStdString(fileName));
    setNoticeColour(Qt::black);
    gauge_->setValue(0);
    centreOnWindow(*panel_, mainWindow_);
    panel_->show();
    panel_->raise();
    panel_->repaint();
}

void DownloadPanel::setGauge(std::int64_t position, std::int64_t maximum) {
    gauge_->setMaximum(gaugeValue(maximum));
    gauge_->setValue(gaugeValue(position));
}

void DownloadPanel::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        mainWindow_.setCursor(Qt::WaitCursor);
    else
        mainWindow_.unsetCursor();
}

void DownloadPanel::showResetting() {
    fileName_->setText(QStringLiteral("Success!\n Reseting Modem. Please wait."));
    setNoticeColour(Qt::red);
    abortButton_->setEnabled(false);
    panel_->repaint();
}

void DownloadPanel::hidePanel() {
    abortButton_->setEnabled(true);
    panel_->hide();
    setNoticeColour(Qt::black);
}

void DownloadPanel::setNoticeColour(const QColor& colour) {
    QPalette palette = fileName_->palette();
    palette.setColor(QPalette::WindowText, colour);
    fileName_->setPalette(palette);
}

} // namespace orvane
