#include "app/loader/DownloadPanel.h"

#include "app/surface/PanelCentring.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace orvane {
namespace {

int gaugeValue(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

DownloadPanel::DownloadPanel(QMainWindow& mainWindow) : QFrame(&mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("pnlFWDownload"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(QStringLiteral("Firmware Download"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title, 0, Qt::AlignHCenter);

    fileName_ = new QLabel(this);
    fileName_->setObjectName(QStringLiteral("FileNameBox"));
    fileName_->setAlignment(Qt::AlignCenter);
    fileName_->setMinimumHeight(2 * fileName_->fontMetrics().height());
    layout->addWidget(fileName_);

    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("DownloadGauge"));
    gauge_->setTextVisible(false);
    gauge_->setFixedSize(260, 18);
    gauge_->setStyleSheet(QStringLiteral(
        "QProgressBar { background: black; border: 1px solid gray; } QProgressBar::chunk { background: aqua; }"));
    layout->addWidget(gauge_, 0, Qt::AlignHCenter);

    abortButton_ = new QPushButton(QStringLiteral("Abort"), this);
    abortButton_->setObjectName(QStringLiteral("Button20"));
    connect(abortButton_, &QPushButton::clicked, this, [this] { Button20Click(); });
    layout->addWidget(abortButton_, 0, Qt::AlignHCenter);

    resize(sizeHint());
    hide();
}

void DownloadPanel::showPanel(const std::string& fileName) {
    // Started from the start-up check the main window is not up yet; the
    // operator needs the gauge and the Abort button all the same.
    if (!mainWindow_.isVisible()) mainWindow_.show();
    fileName_->setText(QString::fromStdString(fileName));
    setNoticeColour(Qt::black);
    gauge_->setValue(0);
    centreOnWindow(*this, mainWindow_);
    show();
    raise();
    repaint();
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
    repaint();
}

void DownloadPanel::hidePanel() {
    abortButton_->setEnabled(true);
    hide();
    setNoticeColour(Qt::black);
}

void DownloadPanel::setNoticeColour(const QColor& colour) {
    QPalette palette = fileName_->palette();
    palette.setColor(QPalette::WindowText, colour);
    fileName_->setPalette(palette);
}

} // namespace orvane
