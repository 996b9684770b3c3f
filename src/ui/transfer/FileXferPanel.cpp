#include "ui/transfer/FileXferPanel.h"

#include "platform/ControlObjects.h"
#include "ui/surface/PanelCentring.h"

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
    Control value;
    const char* tip = nullptr;
};
constexpr Row kRows[] = {
    {"File Name", Control::TransferFileName},
    {"File Size", Control::TransferFileSize, "Size of the file in bytes"},
    {"Compressed Size", Control::TransferCompressedSize, "Bytes that go over the air"},
    {"Compression Method", Control::TransferMethod},
    {"Bytes", Control::TransferBytes, "Bytes of the file moved so far"},
    {"Elapsed Time", Control::TransferTime, "Hours:minutes:seconds since the transfer began"},
    {"Xfer Rate (B/s)", Control::TransferRate,
     "Bytes of the file per second, averaged over the last few seconds"},
};

int GaugeValue(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT_MAX));
}
} // namespace

FileXferPanel::FileXferPanel(QWidget& window) : QFrame(&window), window_(window) {
    nameControl(*this, Control::TransferPanel);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(0);

    title_ = new QLabel(this);
    nameControl(*title_, Control::TransferTitle);
    title_->setAlignment(Qt::AlignCenter);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    grid->addWidget(title_, 0, 0, 1, 4);

    // Two columns of caption and value, then the gauge and the button.
    for (int i = 0; i < static_cast<int>(std::size(kRows)); ++i) {
        const int row = 1 + i % 4;
        const int column = i < 4 ? 0 : 2;
        auto* caption = new QLabel(QString::fromLatin1(kRows[i].caption), this);
        grid->addWidget(caption, row, column);
        auto* shown = new QLabel(this);
        nameControl(*shown, kRows[i].value);
        if (kRows[i].tip) {
            caption->setToolTip(QString::fromLatin1(kRows[i].tip));
            shown->setToolTip(caption->toolTip());
        }
        grid->addWidget(shown, row, column + 1);
    }
    grid->addWidget(new QLabel(QStringLiteral("Progress"), this), 5, 0);
    gauge_ = new QProgressBar(this);
    nameControl(*gauge_, Control::TransferGauge);
    gauge_->setTextVisible(false);
    gauge_->setMaximumHeight(12);
    grid->addWidget(gauge_, 5, 1, 1, 3);

    result_ = new QLabel(this);
    nameControl(*result_, Control::TransferResult);
    result_->setFont(bold);
    grid->addWidget(result_, 6, 0, 1, 2);
    button_ = new QPushButton(QStringLiteral("&Abort Transfer"), this);
    nameControl(*button_, Control::TransferButton);
    grid->addWidget(button_, 6, 2, 1, 2, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &FileXferPanel::butXferAbortClick);
    reason_ = new QLabel(this);
    nameControl(*reason_, Control::TransferReason);
    reason_->setWordWrap(true);
    reason_->hide();
    grid->addWidget(reason_, 7, 0, 1, 4);

    setMinimumSize(sizeHint());
    fitContents();
    hide();
}

// At least its classic size; wider where the captions' font or the file's name
// needs it, so that no caption is cut short.
void FileXferPanel::fitContents() {
    resize(std::max(kWidth, sizeHint().width()), std::max(kHeight, sizeHint().height()));
}

QLabel* FileXferPanel::value(Control control) {
    return findControl<QLabel>(*this, control);
}

void FileXferPanel::showTransfer(const XferPanelStart& start) {
    title_->setText(QString::fromStdString(start.title));
    value(Control::TransferFileName)->setText(QString::fromStdString(start.fileName));
    value(Control::TransferFileSize)->setText(QString::fromStdString(start.fileSize));
    value(Control::TransferCompressedSize)->setText(QString::fromStdString(start.compressedSize));
    value(Control::TransferMethod)->setText(QString::fromStdString(start.method));
    value(Control::TransferBytes)->setText(QString::number(start.bytes));
    value(Control::TransferTime)->setText(QStringLiteral("00:00:00"));
    value(Control::TransferRate)->setText(QStringLiteral("0"));
    setXferGaugeMax(start.gaugeMax);
    setXferGauge(start.gaugePos);
    reason_->clear();
    reason_->hide();
    fitContents();
    centreOnWindow(*this, window_);
    show();
    raise();
    repaint();
}

void FileXferPanel::setXferBytes(const std::string& text) {
    value(Control::TransferBytes)->setText(QString::fromStdString(text));
}
void FileXferPanel::setXferTime(const std::string& text) {
    value(Control::TransferTime)->setText(QString::fromStdString(text));
}
void FileXferPanel::setXferTput(const std::string& text) {
    value(Control::TransferRate)->setText(QString::fromStdString(text));
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
void FileXferPanel::setReason(const std::string& text) {
    reason_->setText(QString::fromStdString(text));
    reason_->setVisible(!text.empty());
    fitContents();
}
void FileXferPanel::setButton(const std::string& caption, bool makeDefault) {
    button_->setText(QString::fromStdString(caption));
    button_->setDefault(makeDefault);
}
void FileXferPanel::focusTransmitPane() {
    if (auto* pane = findControl<QWidget>(window_, Control::TransmitPane)) pane->setFocus();
}

} // namespace orvane
