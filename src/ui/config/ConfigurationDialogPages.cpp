// The General and Quoral pages of the configuration dialog: every control
// with its name and caption, tied to its field of the dialog's values.
#include "ui/config/ConfigurationDialog.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"

#include "controls/ControlNames.h"
#include "ui/config/DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace orvane {
namespace {

QStringList hexBytes() {
    QStringList items;
    for (int i = 0; i < 256; ++i)
        items << QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
    return items;
}

} // namespace

QWidget* ConfigurationDialog::buildGeneralPage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogGeneralPage);
    GeneralValues& v = values_.general;

    RadioGroup scan = widgets_.buttons(page, &S::ScanControl);
    RadioGroup cwid = widgets_.buttons(page, &S::CWID);
    RadioGroup echo = widgets_.buttons(page, &S::EchoEnable);
    RadioGroup printer = widgets_.buttons(page, &S::Printer);

    // The list shows "COMn"; the label beside it names the device behind the
    // chosen entry, so that the USB adapter can be told from the others.
    QComboBox* portBox = pickList(page, objectNameText(Control::DialogPortList));
    portDevice_ = label(page, objectNameText(Control::DialogPortDevice), QString());
    portDevice_->setMinimumWidth(160);
    auto* portGroup = new QGroupBox(QStringLiteral("COM Port"), page);
    portGroup->setObjectName(QStringLiteral("ComPortBox"));
    auto* portLayout = new QHBoxLayout(portGroup);
    portLayout->addWidget(portBox);
    portLayout->addWidget(portDevice_, 1);
    bindings_.custom(
        [this, portBox] {
            const QSignalBlocker block(portBox);
            portBox->clear();
            for (const PortChoice& port : values_.general.ports) {
                portBox->addItem(qs(port.name));
                portBox->setItemData(portBox->count() - 1, qs(port.device), Qt::ToolTipRole);
            }
            portBox->setCurrentIndex(portBox->findText(qs(values_.general.port)));
            showPortDevice();
        },
        [this, portBox] { values_.general.port = ss(portBox->currentText()); });
    connect(portBox, &QComboBox::activated, this, [this] { notePortChange(); });

    RadioGroup listen = radioGroup(page, "ListenBox", "Listen",
                                   {{objectNameText(Control::DialogListenOn), "ON"},
                                    {objectNameText(Control::DialogListenOff), "OFF"}});
    bindings_.pair(listen[0], listen[1], v.listenOn);
    // The listen option is the modem's own business here: shown with no height.
    listen[0]->hide();
    listen[1]->hide();
    listen.box->setFixedHeight(0);

    QComboBox* rxGain = pickList(page, "RXGainCombo");
    QComboBox* txGain = pickList(page, "TXGainCombo");
    QGroupBox* gain =
        groupOf(page, "AudioGainBox", "Audio Gain", {{"RX:", rxGain}, {"TX:", txGain}});
    bindings_.list(rxGain, v.rxGain, &v.rxGainItems);
    bindings_.list(txGain, v.txGain, &v.txGainItems);
    bindings_.custom(
        [this, gain, txGain] {
            auto* form = static_cast<QFormLayout*>(gain->layout());
            form->setRowVisible(txGain, values_.general.txGainShown);
            if (values_.general.txGainShown)
                gain->setMaximumHeight(QWIDGETSIZE_MAX);
            else
                gain->setFixedHeight(45);
        },
        [] {});

    RadioGroup statusBar = widgets_.buttons(page, &S::StatusBar);
    QGroupBox* levelBox = groupOf(page, "PSLevelBox", "Print Squelch Setting",
                                  {{QString(), widgets_.spin(page, &S::PrintSquelchSetting)}});
    RadioGroup squelch = widgets_.buttons(page, &S::PrintSquelchEnable);
    RadioGroup fskPol = widgets_.buttons(page, &S::FSKPol);
    // FSK ATC is offered, but neither kept nor sent.
    RadioGroup atc = radioGroup(page, "FSKATCBox", "FSK ATC",
                                {{objectNameText(Control::DialogFskAtcOn), "ON"},
                                 {objectNameText(Control::DialogFskAtcOff), "OFF"}});
    atc[1]->setChecked(true);

    auto versionText = [page](const char* name) { return label(page, name, QString()); };
    QLabel* lod = versionText("textLODVer");
    QLabel* s28 = versionText("textS28Ver");
    QLabel* boot = versionText("textEPROM");
    QLabel* product = versionText("textProdID");
    QLabel* waveform = versionText("Waveform");
    QLabel* software = versionText("SoftwareVersion");
    auto* versions = new QGroupBox(QStringLiteral("Versions"), page);
    versions->setObjectName(QStringLiteral("VersionsBox"));
    auto* versionGrid = new QGridLayout(versions);
    const std::pair<QLabel*, QLabel*> rows[] = {
        {label(versions, "LODLabel", "LOD"), lod},
        {label(versions, "S28Label", "S28"), s28},
        {label(versions, "BootRomLabel", "Boot ROM"), boot},
        {label(versions, "ProductIdLabel", "Product ID"), product},
        {label(versions, "Label45", "QUORAL"), waveform},
        {label(versions, "LabelA", "Orvane"), software}};
    int row = 0;
    for (auto [caption, text] : rows) {
        versionGrid->addWidget(caption, row, 0);
        versionGrid->addWidget(text, row++, 1);
    }
    const VersionValues& ver = v.versions;
    bindings_.label(lod, ver.lod);
    bindings_.label(s28, ver.s28);
    bindings_.label(boot, ver.bootRom);
    bindings_.label(product, ver.productId);
    bindings_.label(waveform, ver.waveform);
    bindings_.label(software, ver.software);

    place(page, scan.box, 0, 0);
    place(page, cwid.box, 1, 0);
    place(page, echo.box, 2, 0);
    place(page, printer.box, 3, 0);
    place(page, statusBar.box, 4, 0);
    place(page, portGroup, 0, 1, 1, 2);
    place(page, gain, 1, 1, 2, 1);
    place(page, levelBox, 3, 1);
    place(page, squelch.box, 4, 1);
    place(page, atc.box, 1, 2);
    place(page, fskPol.box, 2, 2);
    place(page, listen.box, 5, 0);
    place(page, versions, 3, 2, 3, 1);
    place(page, widgets_.edits(page, "ScrollbackBox", "Scrollback", {&S::ReceiveScrollbackKB}), 5,
          1);

    lock({portGroup, fskPol.box});
    return page;
}

QWidget* ConfigurationDialog::buildQuoralPage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogQuoralPage);
    QuoralValues& v = values_.quoral;

    RadioGroup entry = widgets_.buttons(page, &S::TextEntry, true);
    RadioGroup eol = widgets_.buttons(page, &S::EndOfLine, true);
    RadioGroup tx = widgets_.buttons(page, &S::TXEnable, true);
    RadioGroup channel = widgets_.buttons(page, &S::AFChannel);

    auto* fec = new QGroupBox(QStringLiteral("FEC"), page);
    fec->setObjectName(QStringLiteral("FECBox"));
    RadioGroup modulation = widgets_.buttons(fec, &S::FECMod, true);
    for (QRadioButton* button : modulation.buttons) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked) return;
            bindings_.take();
            updateFecLabels(values_.settings);
            bindings_.show();
        });
    }
    QLabel* efficiency = widgets_.label(fec, &S::FECCodeEff);
    QLabel* blockSize = widgets_.label(fec, &S::FECBlockSize);
    auto* fecLayout = new QGridLayout(fec);
    fecLayout->addWidget(modulation.box, 0, 0, 3, 1);
    fecLayout->addWidget(label(fec, nullptr, SettingWidgets::caption(&S::FECCodeEff)), 0, 1);
    fecLayout->addWidget(efficiency, 0, 2);
    fecLayout->addWidget(label(fec, nullptr, SettingWidgets::caption(&S::FECBlockSize)), 1, 1);
    fecLayout->addWidget(blockSize, 1, 2);

    RadioGroup bias = widgets_.buttons(page, &S::AutoBias, true);
    RadioGroup connectBias = widgets_.buttons(page, &S::ConnectBias, true);
    QGroupBox* retries =
        widgets_.edits(page, "RetriesBox", "Retries",
                       {&S::NormalRetry, &S::RobustRetry, &S::FailRetry, &S::ChatCount});

    QComboBox* crc1 = pickList(page, "CRCComboBox1", hexBytes());
    QComboBox* crc2 = pickList(page, "CRCComboBox2", hexBytes());
    bindings_.list(crc1, v.crcMask1);
    bindings_.list(crc2, v.crcMask2);
    QGroupBox* crc =
        groupOf(page, "CRCGroupBox", "CRC Mask:", {{QString(), crc1}, {QString(), crc2}});
    crc->hide();

    place(page, entry.box, 0, 0);
    place(page, eol.box, 1, 0);
    place(page, tx.box, 2, 0);
    place(page, fec, 0, 1, 2, 1);
    place(page, channel.box, 2, 1);
    place(page, bias.box, 0, 2);
    place(page, connectBias.box, 1, 2);
    place(page, retries, 2, 2, 2, 1);
    place(page, crc, 3, 0);
    place(page,
          widgets_.edits(page, "ReceiveStallBox", "Binary receive", {&S::ReceiveStallSeconds}), 3,
          1);

    lock({channel.box, fec, bias.box, connectBias.box});
    for (QLineEdit* edit : retries->findChildren<QLineEdit*>())
        lock({edit});
    return page;
}

} // namespace orvane
