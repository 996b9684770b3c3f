#include "ui/config/PrintSquelchDialog.h"

#include "configure/PrintSquelch.h"
#include "platform/ControlObjects.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace orvane {

PrintSquelchDialog::PrintSquelchDialog(ModeContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Print Squelch"));
    on_ = new QRadioButton(QStringLiteral("ON"), this);
    nameControl(*on_, Control::PrintSquelchOn);
    off_ = new QRadioButton(QStringLiteral("OFF"), this);
    nameControl(*off_, Control::PrintSquelchOff);
    on_->setChecked(true);
    level_ = new QSpinBox(this);
    level_->setObjectName(QStringLiteral("PSLevelSpin"));
    level_->setRange(0, 99);
    auto* ok = new QPushButton(QStringLiteral("O&K"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Squelch:"), this), 0, 0);
    grid->addWidget(on_, 0, 1);
    grid->addWidget(off_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Level:"), this), 1, 0);
    grid->addWidget(level_, 1, 1, 1, 2);
    grid->addWidget(ok, 2, 1, 1, 2);
    connect(level_, qOverload<int>(&QSpinBox::valueChanged), this, [this] { PrintSquelchApply(); });
    connect(on_, &QRadioButton::clicked, this, [this] { PrintSquelchApply(); });
    connect(off_, &QRadioButton::clicked, this, [this] { PrintSquelchApply(); });
    connect(ok, &QPushButton::clicked, this, [this] { dismiss(); });
}

void PrintSquelchDialog::showPrintSquelchLevel(int level) {
    const QSignalBlocker block(level_);
    level_->setValue(level);
}

bool PrintSquelchDialog::squelchOn() const {
    return on_->isChecked();
}

void PrintSquelchDialog::setSquelchOn(bool on) {
    (on ? on_ : off_)->setChecked(true);
}

void PrintSquelchDialog::PrintSquelchApply() {
    orvane::PrintSquelchApply(context_, level_->value(), on_->isChecked());
}

} // namespace orvane
