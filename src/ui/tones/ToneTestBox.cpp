#include "ui/tones/ToneTestBox.h"

#include "operations/tones/TestTones.h"
#include "platform/ControlObjects.h"
#include "ui/surface/PanelCentring.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

ToneTestBox::ToneTestBox(QMainWindow& window)
    : window_(window), panel_(new QFrame(&window)), toneBox_(new QComboBox(panel_)) {
    nameControl(*panel_, Control::ToneTestBox);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(2);
    panel_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel_);

    auto* title = new QLabel(QStringLiteral("Tone Test"), panel_);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    nameControl(*toneBox_, Control::ToneList);
    toneBox_->addItems({QStringLiteral("Test OFF"), QStringLiteral("Single Tone Test"),
                        QStringLiteral("Multi Tone Test")});
    layout->addWidget(toneBox_);

    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), panel_);
    nameControl(*cancel, Control::ToneTestCancel);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);

    panel_->resize(185, 110);
    panel_->hide();
}

void ToneTestBox::connectTo(TestTones& tones) {
    // `activated` is the operator's choice only, never a change made by code.
    QObject::connect(toneBox_, &QComboBox::activated, panel_,
                     [&tones](int position) { tones.chooseTone(position); });
    auto* cancel = findControl<QPushButton>(*panel_, Control::ToneTestCancel);
    QObject::connect(cancel, &QPushButton::clicked, panel_,
                     [&tones] { tones.butTestCancelClick(); });
}

void ToneTestBox::open() {
    centreOnWindow(*panel_, window_);
    panel_->show();
    panel_->raise();
    toneBox_->setCurrentIndex(0);
    toneBox_->setFocus();
}

void ToneTestBox::close() {
    panel_->hide();
    if (auto* pane = findControl<QPlainTextEdit>(window_, Control::TransmitPane)) pane->setFocus();
}

} // namespace orvane
