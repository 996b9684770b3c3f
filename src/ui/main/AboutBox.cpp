#include "ui/main/AboutBox.h"

#include "platform/ControlObjects.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    productName_ = new QLabel(this);
    productName_->setObjectName(QStringLiteral("ProductName"));
    productName_->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    layout->addWidget(productName_);
    version_ = new QLabel(this);
    nameControl(*version_, Control::AboutVersion);
    layout->addWidget(version_);

    auto* group = new QGroupBox(this);
    nameControl(*group, Control::AboutVersionsBox);
    auto* form = new QFormLayout(group);
    lod_ = addField(form, Control::AboutLodVersion, QStringLiteral("DSP (LOD)"));
    s28_ = addField(form, Control::AboutS28Version, QStringLiteral("CPU (S28)"));
    eprom_ = addField(form, Control::AboutBootVersion, QStringLiteral("Boot ROM"));
    prodId_ = addField(form, Control::AboutProductId, QStringLiteral("Product ID"));
    hardware_ = addField(form, Control::AboutHardwareVersion, QStringLiteral("Hardware Ver."));
    waveform_ = addField(form, Control::AboutWaveform, QStringLiteral("QUORAL"));
    layout->addWidget(group);

    layout->addWidget(new QLabel(QStringLiteral("Copyright Zarvel. All rights reserved."), this));
    layout->addWidget(new QLabel(QStringLiteral("Zarvel radio data products"), this));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

QLabel* AboutBox::addField(QFormLayout* form, Control control, const QString& label) {
    auto* field = new QLabel(this);
    nameControl(*field, control);
    form->addRow(label, field);
    return field;
}

void AboutBox::fill(const QString& version, const ModemIdentityTexts& modem) {
    productName_->setText(QStringLiteral("Zarvel Orvane"));
    findControl<QGroupBox>(*this, Control::AboutVersionsBox)
        ->setTitle(QStringLiteral("Modara versions"));
    version_->setText(version);
    lod_->setText(modem.lodVersion);
    s28_->setText(modem.s28Version);
    eprom_->setText(modem.bootVersion);
    prodId_->setText(modem.productId);
    hardware_->setText(modem.hardwareVersion);
    waveform_->setText(modem.quoralWaveform);
}

} // namespace orvane
