#include "ui/broadcast/BroadcastDialog.h"

#include "operations/broadcast/BroadcastFigures.h"
#include "platform/ControlObjects.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {
namespace {

QLabel* figureLabel(Control control, QWidget* parent) {
    auto* label = new QLabel(parent);
    nameControl(*label, control);
    label->setMinimumWidth(40);
    return label;
}

} // namespace

BroadcastDialog::BroadcastDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter), modComboBox_(new QComboBox(this)),
      blockSizeLabel_(figureLabel(Control::BroadcastBlockSize, this)),
      baseRateLabel_(figureLabel(Control::BroadcastBaseRate, this)),
      actualLabel_(figureLabel(Control::BroadcastActualRate, this)) {
    setObjectName(QStringLiteral("TQuoralFECFrm"));
    setWindowTitle(QStringLiteral("Quoral Broadcast Modulation"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    nameControl(*modComboBox_, Control::BroadcastModulation);
    modComboBox_->setEditable(true);
    modComboBox_->setInsertPolicy(QComboBox::NoInsert);
    modComboBox_->addItems({QStringLiteral("BPSM"), QStringLiteral("QPSM"), QStringLiteral("8PSM"),
                            QStringLiteral("8P2A"), QStringLiteral("16P4A"),
                            QStringLiteral("2DPSM")});
    // A choice from the list, or Enter after typing.
    connect(modComboBox_, &QComboBox::textActivated, this, [this] { showFigures(); });

    auto* codeEffLabel = figureLabel(Control::BroadcastCodeEfficiency, this);
    codeEffLabel->setText(QStringLiteral("60%"));

    auto* waveForm = new QGroupBox(QStringLiteral("Wave Form"), this);
    auto* waveLayout = new QFormLayout(waveForm);
    waveLayout->addRow(QStringLiteral("Modulation:"), modComboBox_);
    waveLayout->addRow(QStringLiteral("Code Effic:"), codeEffLabel);
    waveLayout->addRow(QStringLiteral("Block Size:"), blockSizeLabel_);

    auto* dataRate = new QGroupBox(QStringLiteral("Data Rate"), this);
    auto* rateLayout = new QFormLayout(dataRate);
    rateLayout->addRow(QStringLiteral("Base Rate:"), baseRateLabel_);
    rateLayout->addRow(QStringLiteral("Actual:"), actualLabel_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(waveForm);
    groups->addWidget(dataRate);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void BroadcastDialog::setModulation(const QString& modulation) {
    modComboBox_->setCurrentText(modulation);
}

QString BroadcastDialog::modulation() const {
    return modComboBox_->currentText();
}

void BroadcastDialog::showFigures() {
    const auto figures = broadcastFigures(modComboBox_->currentText().toStdString());
    if (!figures) {
        prompter_.message("Orvane", "Invalid Entry", PromptIcon::None, PromptButtons::Ok);
        return;
    }
    blockSizeLabel_->setText(QString::number(figures->blockSize));
    baseRateLabel_->setText(QString::number(figures->baseRate));
    actualLabel_->setText(QString::number(figures->actualRate));
}

void BroadcastDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showFigures();
}

} // namespace orvane
