#include "transfer/ui/FileXferPanel.h"

#include "app/surface/PanelCentring.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace orvane {

namespace {
constexpr int kWidth = 329;
constexpr int kHeight = 129;

struct Row {
    const char* caption;
    const char* valueName;
};
constexpr Row kRows[] = {
    {"File Name", "XferFileName"},     {"File Size", "XferFileSize"},
    {"Compressed Size", "XferCompSize"}, {"Compression Method", "XferCompMethod"},
    {"Bytes", "XferBytes"},            {"Elapsed Time", "XferTime"},
    {"Xfer Rate", "XferTput"},
};

int GaugeValue(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT_MAX));
}
} // namespace

FileXferPanel::FileXferPanel(QWidget& window) : QFrame(&window), window_(window) {
    setObjectName(QStringLiteral("FileXferPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("XferLabel"));
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    grid->addWidget(title_, 0, 0, 1, 4);

    // Two columns of caption and value, then the gauge and the button.
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
        const int row = 1 + i % 4;
        const int column = i < 4 ? 0 : 2;
        grid->addWidget(new QLabel(QString::fromLatin1(kRows[i].caption), this), row, column);
        auto* shown = new QLabel(this);
        shown->setObjectName(QString::fromLatin1(kRows[i].valueName));
        grid->addWidget(shown, row, column + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Progress"), this), 5, 0);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("XferGauge"));
    gauge_->setTextVisible(false);
    gauge_->setMaximumHeight(12);
    grid->addWidget(gauge_, 5, 1, 1, 3);

    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("CompleteFail"));
    result_->setFont(bold);
    grid->addWidget(result_, 6, 0, 1, 2);
    button_ = new QPushButton(QStringLiteral("&Abort Transfer"), this);
    button_->setObjectName(QStringLiteral("butXferAbort"));
    grid->addWidget(button_, 6, 2, 1, 2, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &FileXferPanel::butXferAbortClick);

    setMinimumSize(sizeHint());
    fitContents();
    hide();
}

// At least its classic size; wider where the captions' font or the file's name
// needs it, so that no caption is cut short.
void FileXferPanel::fitContents() {
    resize(std::max(kWidth, sizeHint().width()), std::max(kHeight, sizeHint().height()));
}

QLabel* FileXferPanel::value(const char* name) {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void FileXferPanel::showTransfer(const XferPanelStart& start) {
    title_->setText(QString::fromStdString(start.title));
    value("XferFileName")->setText(QString::fromStdString(start.fileName));
    value("XferFileSize")->setText(QString::fromStdString(start.fileSize));
    value("XferCompSize")->setText(QString::fromStdString(start.compressedSize));
    value("XferCompMethod")->setText(QString::fromStdString(start.method));
    value("XferBytes")->setText(QString::number(start.bytes));
    value("XferTime")->setText(QStringLiteral("00:00:00"));
    value("XferTput")->setText(QStringLiteral("0"));
    setXferGaugeMax(start.gaugeMax);
    setXferGauge(start.gaugePos);
    fitContents();
    centreOnWindow(*this, window_);
    show();
    raise();
    repaint();
}

void FileXferPanel::setXferBytes(const std::string& text) {
    value("XferBytes")->setText(QString::fromStdString(text));
}
void FileXferPanel::setXferTime(const std::string& text) {
    value("XferTime")->setText(QString::fromStdString(text));
}
void FileXferPanel::setXferTput(const std::string& text) {
    value("XferTput")->setText(QString::fromStdString(text));
}
void FileXferPanel::setXferGauge(std::int64_t position) {
    gauge_->setValue(GaugeValue(position));
}
void FileXferPanel::setXferGaugeMax(std::int64_t maximum) {
    // An empty file's gauge is full from the start rather than undetermined.
    gauge_->setRange(0, std::max(1, GaugeValue(maximum)));
}
void FileXferPanel::setResult(const std::string& text) {
    result_->setText(QString::fromStdString(text));
}
void FileXferPanel::setButton(const std::string& caption, bool makeDefault) {
    button_->setText(QString::fromStdString(caption));
    button_->setDefault(makeDefault);
}
void FileXferPanel::focusTransmitPane() {
    if (auto* pane = window_.findChild<QWidget*>(QStringLiteral("reTXData"))) pane->setFocus();
}

} // namespace orvane
