#include "ui/transfer/TextFileProgressDialog.h"

#include "platform/ControlObjects.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace orvane {

namespace {
int GaugeValue(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT_MAX));
}
} // namespace

TextFileProgressDialog::TextFileProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TdlgTextFileProgress"));
    setWindowTitle(QStringLiteral("Text File Transfer"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnlTextFileProgress"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* inside = new QVBoxLayout(panel);
    name_ = new QLabel(panel);
    nameControl(*name_, Control::TextFileName);
    size_ = new QLabel(panel);
    nameControl(*size_, Control::TextFileSize);
    gauge_ = new QProgressBar(panel);
    gauge_->setObjectName(QStringLiteral("gaugeTextFileProgress"));
    for (QLabel* label : {name_, size_}) {
        label->setAlignment(Qt::AlignCenter);
        inside->addWidget(label);
    }
    inside->addWidget(gauge_);
    layout->addWidget(panel);
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("SpeedButton2"));
    close->setText(QStringLiteral("Close this window"));
    close->setAutoRaise(true);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    connect(close, &QToolButton::clicked, this, [this] { dismiss(); });
    resize(265, 137);
}

void TextFileProgressDialog::showFile(const QString& nameLine, const QString& sizeLine,
                                      std::int64_t size, std::int64_t position) {
    name_->setText(nameLine);
    size_->setText(sizeLine);
    gauge_->setRange(0, std::max(1, GaugeValue(size)));
    gauge_->setValue(GaugeValue(position));
    show();
    raise();
}

void TextFileProgressDialog::setGauge(std::int64_t position) {
    gauge_->setValue(GaugeValue(position));
}

} // namespace orvane
