#include "operations/broadcast/BroadcastPanels.h"

#include "operations/broadcast/Broadcasts.h"
#include "operations/broadcast/TQuoralFECFrm.h"
#include "platform/Prompter.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

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

QFrame* panel(QMainWindow& window, const char* name, QSize size) {
    auto* frame = new QFrame(&window);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    frame->resize(size);
    frame->hide();
    return frame;
}

QRadioButton* radio(QWidget* parent, const char* name, const char* caption, bool checked = false) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setChecked(checked);
    return button;
}

QHBoxLayout* buttonRow(QWidget* parent, std::initializer_list<std::pair<const char*, const char*>> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto [name, caption] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(caption), parent);
        button->setObjectName(QString::fromLatin1(name));
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
    QFrame* fecMode = panel(window, "FECModePanel", {220, 150});
    auto* fecLayout = new QVBoxLayout(fecMode);
    modeB_ = radio(fecMode, "butModeA", "Send FEC (Mode B)", true);
    modeS_ = radio(fecMode, "butModeS", "Send SFEC (Mode S)");
    converse_ = radio(fecMode, "butCFEC", "Send CFEC (Converse)");
    for (QRadioButton* button : {modeB_, modeS_, converse_})
        fecLayout->addWidget(button);
    fecLayout->addLayout(buttonRow(fecMode, {{"butFECOK", "OK"}, {"butFECCancel", "Cancel"}}));

    QFrame* group = panel(window, "GroupCallPanel", {180, 110});
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(heading(group, "Sending"));
    groupCall_ = new QLineEdit(group);
    groupCall_->setObjectName(QStringLiteral("edGroupCall"));
    groupCall_->setMaxLength(kGroupCallLength);
    groupCall_->setValidator(new UpperCase(groupCall_));
    groupLayout->addWidget(groupCall_);
    groupLayout->addLayout(buttonRow(group, {{"Button2", "OK"}, {"Button17", "Cancel"}}));

    QFrame* rate = panel(window, "FECRatePanel", {180, 110});
    auto* rateLayout = new QVBoxLayout(rate);
    rateLayout->addWidget(heading(rate, "Data Rate"));
    auto* rates = new QHBoxLayout;
    rates->addStretch();
    rates->addWidget(radio(rate, "butFECRate100", "100", true));
    rate200_ = radio(rate, "butFECRate200", "200");
    rates->addWidget(rate200_);
    rates->addStretch();
    rateLayout->addLayout(rates);
    rateLayout->addLayout(buttonRow(rate, {{"Button7", "O&K"}, {"Button8", "&Cancel"}}));
}

void BroadcastPanels::connectTo(Broadcasts& broadcasts) {
    const std::pair<const char*, void (Broadcasts::*)()> clicks[] = {
        {"butFECOK", &Broadcasts::butFECOKClick}, {"butFECCancel", &Broadcasts::butFECCancelClick},
        {"Button2", &Broadcasts::Button2Click},   {"Button17", &Broadcasts::Button17Click},
        {"Button7", &Broadcasts::Button7Click},   {"Button8", &Broadcasts::Button8Click},
    };
    for (auto [name, handler] : clicks) {
        auto* button = window_.findChild<QPushButton*>(QString::fromLatin1(name));
        QObject::connect(button, &QPushButton::clicked, button,
                         [&broadcasts, handler] { (broadcasts.*handler)(); });
    }
    // Enter in the group call is its OK.
    QObject::connect(groupCall_, &QLineEdit::returnPressed, groupCall_,
                     [&broadcasts] { broadcasts.Button2Click(); });
}

std::optional<std::string> BroadcastPanels::chooseQuoralModulation(const std::string& modulation) {
    TQuoralFECFrm dialog(prompter_, &window_);
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

void BroadcastPanels::focusPanel(const std::string& objectName) {
    if (auto* panel = window_.findChild<QWidget*>(QString::fromStdString(objectName))) {
        panel->setFocus();
        if (QWidget* first = panel->nextInFocusChain(); first && panel->isAncestorOf(first))
            first->setFocus();
    }
}

} // namespace orvane
