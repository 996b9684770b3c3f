#include "ui/broadcast/BroadcastPanels.h"

#include "operations/broadcast/Broadcasts.h"
#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "ui/broadcast/BroadcastDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include <functional>

namespace orvane {
namespace {

constexpr int kGroupCallLength = 4;

// Group calls are upper case whatever the operator types.
class UpperCase final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QFrame* panel(QMainWindow& window, Control control, QSize size) {
    auto* frame = new QFrame(&window);
    nameControl(*frame, control);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    frame->resize(size);
    frame->hide();
    return frame;
}

QRadioButton* radio(QWidget* parent, Control control, const char* caption, bool checked = false) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    nameControl(*button, control);
    button->setChecked(checked);
    return button;
}

QHBoxLayout* buttonRow(QWidget* parent,
                       std::initializer_list<std::pair<Control, const char*>> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto [control, caption] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(caption), parent);
        nameControl(*button, control);
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

QLabel* heading(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

BroadcastPanels::BroadcastPanels(QMainWindow& window, Prompter& prompter)
    : window_(window), prompter_(prompter) {
    QFrame* fecMode = panel(window, Control::FecModePanel, {220, 150});
    auto* fecLayout = new QVBoxLayout(fecMode);
    modeB_ = radio(fecMode, Control::FecModeB, "Send FEC (Mode B)", true);
    modeS_ = radio(fecMode, Control::FecModeS, "Send SFEC (Mode S)");
    converse_ = radio(fecMode, Control::FecConverse, "Send CFEC (Converse)");
    for (QRadioButton* button : {modeB_, modeS_, converse_})
        fecLayout->addWidget(button);
    fecLayout->addLayout(
        buttonRow(fecMode, {{Control::FecModeOk, "OK"}, {Control::FecModeCancel, "Cancel"}}));

    QFrame* group = panel(window, Control::GroupCallPanel, {180, 110});
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(heading(group, "Sending"));
    groupCall_ = new QLineEdit(group);
    nameControl(*groupCall_, Control::GroupCallEdit);
    groupCall_->setMaxLength(kGroupCallLength);
    groupCall_->setValidator(new UpperCase(groupCall_));
    groupLayout->addWidget(groupCall_);
    groupLayout->addLayout(
        buttonRow(group, {{Control::GroupCallOk, "OK"}, {Control::GroupCallCancel, "Cancel"}}));

    QFrame* rate = panel(window, Control::FecRatePanel, {180, 110});
    auto* rateLayout = new QVBoxLayout(rate);
    rateLayout->addWidget(heading(rate, "Data Rate"));
    auto* rates = new QHBoxLayout;
    rates->addStretch();
    rates->addWidget(radio(rate, Control::FecRate100, "100", true));
    rate200_ = radio(rate, Control::FecRate200, "200");
    rates->addWidget(rate200_);
    rates->addStretch();
    rateLayout->addLayout(rates);
    rateLayout->addLayout(
        buttonRow(rate, {{Control::FecRateOk, "O&K"}, {Control::FecRateCancel, "&Cancel"}}));
}

void BroadcastPanels::connectTo(Broadcasts& broadcasts) {
    const std::pair<Control, void (Broadcasts::*)()> clicks[] = {
        {Control::FecModeOk, &Broadcasts::butFECOKClick},
        {Control::FecModeCancel, &Broadcasts::butFECCancelClick},
        {Control::GroupCallOk, &Broadcasts::acceptGroupCall},
        {Control::GroupCallCancel, &Broadcasts::cancelGroupCall},
        {Control::FecRateOk, &Broadcasts::acceptFecRate},
        {Control::FecRateCancel, &Broadcasts::cancelFecRate},
    };
    for (auto [control, handler] : clicks) {
        auto* button = findControl<QPushButton>(window_, control);
        QObject::connect(button, &QPushButton::clicked, button,
                         [&broadcasts, handler] { (broadcasts.*handler)(); });
    }
    // Enter in the group call is its OK.
    QObject::connect(groupCall_, &QLineEdit::returnPressed, groupCall_,
                     [&broadcasts] { broadcasts.acceptGroupCall(); });
}

std::optional<std::string> BroadcastPanels::chooseQuoralModulation(const std::string& modulation) {
    BroadcastDialog dialog(prompter_, &window_);
    dialog.setModulation(QString::fromStdString(modulation));
    dialog.move(window_.x() + 50, window_.y() + 50);
    if (prompter_.runDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.modulation().toStdString();
}

FecMode BroadcastPanels::checkedFecMode() const {
    if (modeB_->isChecked()) return FecMode::ModeB;
    if (modeS_->isChecked()) return FecMode::ModeS;
    if (converse_->isChecked()) return FecMode::Converse;
    return FecMode::None;
}

std::string BroadcastPanels::groupCall() const {
    return groupCall_->text().toStdString();
}

void BroadcastPanels::setGroupCall(const std::string& groupCall) {
    groupCall_->setText(QString::fromStdString(groupCall).toUpper());
}

bool BroadcastPanels::unprotoAt200() const {
    return rate200_->isChecked();
}

void BroadcastPanels::focusPanel(Control control) {
    if (auto* panel = findControl<QWidget>(window_, control)) {
        panel->setFocus();
        if (QWidget* first = panel->nextInFocusChain(); first && panel->isAncestorOf(first))
            first->setFocus();
    }
}

} // namespace orvane
