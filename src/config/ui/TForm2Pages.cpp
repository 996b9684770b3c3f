// The General and Quoral pages of the configuration dialog: every control
// with its name and caption, tied to its field of the dialog's values.
#include "config/ui/TForm2.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"

#include "config/ui/DialogWidgets.h"
#include "controls/ControlNames.h"

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

QWidget* TForm2::buildGeneralPage() {
    QWidget* page = newPage(page::General);
    GeneralValues& v = values_.general;

    RadioGroup scan = radioGroup(page, "ScanControlBox", "Scan Control",
                                 {{"sysScanControlCONT", "CONT"}, {"sysScanControlPulse", "PULSE"}});
    bindings_.pair(scan[0], scan[1], v.scanControlCont);
    RadioGroup cwid = radioGroup(page, "CWIDBox", "CW ID",
                                 {{objectNameText(Control::DialogCwIdOn), "ON"},
                                  {objectNameText(Control::DialogCwIdOff), "OFF"}});
    bindings_.pair(cwid[0], cwid[1], v.cwidOn);
    RadioGroup echo = radioGroup(page, "EchoAsSentBox", "Echo As Sent",
                                 {{"sysEASON", "ON"}, {"sysEASOFF", "OFF"}});
    bindings_.pair(echo[0], echo[1], v.echoAsSentOn);
    RadioGroup printer = radioGroup(page, "PrinterBox", "Printer",
                                    {{"sysPrinterON", "ON"}, {"sysPrinterOFF", "OFF"}});
    bindings_.pair(printer[0], printer[1], v.printerOn);

    // The list shows "COMn"; the label beside it names the device behind the
    // chosen entry, so that the USB adapter can be told from the others.
    QComboBox* portBox = pickList(page, "PortBox");
    portDevice_ = label(page, "PortDeviceLabel", QString());
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
    connect(portBox, &QComboBox::activated, this, [this] { PortBoxChange(); });

    RadioGroup listen = radioGroup(page, "ListenBox", "Listen",
                                   {{"butListenON", "ON"}, {"butListenOFF", "OFF"}});
    bindings_.pair(listen[0], listen[1], v.listenOn);
    // The listen option is the modem's own business here: shown with no height.
    listen[0]->hide();
    listen[1]->hide();
    listen.box->setFixedHeight(0);

    QComboBox* rxGain = pickList(page, "RXGainCombo");
    QComboBox* txGain = pickList(page, "TXGainCombo");
    QGroupBox* gain = groupOf(page, "AudioGainBox", "Audio Gain", {{"RX:", rxGain}, {"TX:", txGain}});
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

    RadioGroup statusBar = radioGroup(page, "StatusBarBox", "StatusBar",
                                      {{"butStatusBarON", "ON"}, {"butStatusBarOFF", "OFF"}});
    bindings_.pair(statusBar[0], statusBar[1], v.statusBarOn);

    auto* level = new QSpinBox(page);
    level->setObjectName(QStringLiteral("cfgPSLevelSpin"));
    level->setRange(0, 99);
    bindings_.spin(level, v.printSquelchLevel);
    QGroupBox* levelBox = groupOf(page, "PSLevelBox", "Print Squelch Setting", {{QString(), level}});
    RadioGroup squelch = radioGroup(page, "PrintSquelchBox", "Print Squelch",
                                    {{"cfgbutPSON", "ON"}, {"cfgbutPSOFF", "OFF"}});
    bindings_.pair(squelch[0], squelch[1], v.printSquelchOn);
    RadioGroup fskPol = radioGroup(page, "FSKPolarityBox", "FSK Polarity",
                                   {{"cfgbutFSKPOLNORM", "NORMAL"}, {"cfgbutFSKPOLREV", "REVERSE"}});
    bindings_.pair(fskPol[0], fskPol[1], v.fskPolarityNormal);
    // FSK ATC is offered, but neither kept nor sent.
    RadioGroup atc = radioGroup(page, "FSKATCBox", "FSK ATC", {{"butFSKATCON", "ON"}, {"butFSKATCOFF", "OFF"}});
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

    lock({portGroup, fskPol.box});
    return page;
}

QWidget* TForm2::buildQuoralPage() {
    QWidget* page = newPage(page::Quoral);
    QuoralValues& v = values_.quoral;

    RadioGroup entry = radioGroup(page, "QuoralTextEntryBox", "Text Entry",
                                  {{"sysTextEntryWord", "Word"}, {"sysTextEntryChar", "Character"},
                                   {"sysTextEntryLine", "Line"}}, true);
    bindings_.words({{entry[0], "WORD"}, {entry[1], "CHAR"}, {entry[2], "LINE"}}, v.textEntry);
    RadioGroup eol = radioGroup(page, "QuoralEndOfLineBox", "End Of Line",
                                {{"sysEOLCR", "CR"}, {"sysEOLCRLF", "CR LF"}}, true);
    bindings_.pair(eol[0], eol[1], v.endOfLineCr);
    RadioGroup tx = radioGroup(page, "QuoralTransmitBox", "Transmit Enable",
                               {{"sysTXENEnable", "Enable"}, {"sysTXENDisable", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup channel = radioGroup(page, "AFChannelBox", "AF Channel",
                                    {{objectNameText(Control::DialogAfChannel1), "1"},
                                     {objectNameText(Control::DialogAfChannel2), "2"},
                                     {objectNameText(Control::DialogAfChannel3), "3"},
                                     {objectNameText(Control::DialogAfChannel4), "4"}});
    bindings_.numbers({{channel[0], 1}, {channel[1], 2}, {channel[2], 3}, {channel[3], 4}}, v.afChannel);

    auto* fec = new QGroupBox(QStringLiteral("FEC"), page);
    fec->setObjectName(QStringLiteral("FECBox"));
    RadioGroup modulation = radioGroup(fec, "ModulationBox", "Modulation",
                                       {{"butFECModBPSM", "BPSM"}, {"butFECModQPSM", "QPSM"},
                                        {"butFECMod8PSM", "8PSM"}, {"butFECMod8P2A", "8P2A"},
                                        {"butFECMod16P4A", "16P4A"}, {"butFECMod2DPSM", "2DPSM"}}, true);
    std::vector<std::pair<QRadioButton*, std::string>> modulations;
    for (QRadioButton* button : modulation.buttons) {
        modulations.emplace_back(button, ss(button->text()));
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked) return;
            bindings_.take();
            updateFecLabels(values_.quoral);
            bindings_.show();
        });
    }
    bindings_.words(modulations, v.fecModulation);
    QLabel* efficiency = label(fec, "FECCodeEfficLabel", QString());
    QLabel* blockSize = label(fec, "FECBlockSizeLabel", QString());
    bindings_.label(efficiency, v.codeEfficiencyLabel);
    bindings_.label(blockSize, v.blockSizeLabel);
    auto* fecLayout = new QGridLayout(fec);
    fecLayout->addWidget(modulation.box, 0, 0, 3, 1);
    fecLayout->addWidget(label(fec, nullptr, "Code Efficiency:"), 0, 1);
    fecLayout->addWidget(efficiency, 0, 2);
    fecLayout->addWidget(label(fec, nullptr, "Block Size:"), 1, 1);
    fecLayout->addWidget(blockSize, 1, 2);

    RadioGroup bias = radioGroup(page, "AutoBiasBox", "Auto Bias",
                                 {{"butAutoBiasNormal", "NORMAL"}, {"butAutoBiasRobust", "ROBUST"},
                                  {"butAutoBiasFast", "FAST"}, {"butAutoBiasFastest", "FASTEST"}}, true);
    bindings_.words({{bias[0], "NORMAL"}, {bias[1], "ROBUST"}, {bias[2], "FAST"}, {bias[3], "FASTEST"}},
                    v.autoBias);
    RadioGroup connectBias = radioGroup(page, "ConnectBox", "Connect",
                                        {{"butConnectNormal", "NORMAL"}, {"butConnectRobust", "ROBUST"}}, true);
    bindings_.pair(connectBias[0], connectBias[1], v.connectNormal);

    QLineEdit* normal = numberEdit(page, "edNormalRetries", kByteRange);
    QLineEdit* robust = numberEdit(page, "edRobustRetries", kByteRange);
    QLineEdit* fail = numberEdit(page, "edFailRetries", kByteRange);
    QLineEdit* chat = numberEdit(page, "edChatCount", kByteRange);
    bindings_.edit(normal, v.normalRetries);
    bindings_.edit(robust, v.robustRetries);
    bindings_.edit(fail, v.failRetries);
    bindings_.edit(chat, v.chatCount);
    QGroupBox* retries = groupOf(page, "RetriesBox", "Retries",
                                 {{"Normal Retries", normal}, {"Robust Retries", robust},
                                  {"Fail Retries", fail}, {"Chat Count", chat}});

    QComboBox* crc1 = pickList(page, "CRCComboBox1", hexBytes());
    QComboBox* crc2 = pickList(page, "CRCComboBox2", hexBytes());
    bindings_.list(crc1, v.crcMask1);
    bindings_.list(crc2, v.crcMask2);
    QGroupBox* crc = groupOf(page, "CRCGroupBox", "CRC Mask:", {{QString(), crc1}, {QString(), crc2}});
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

    lock({channel.box, fec, bias.box, connectBias.box, normal, robust, fail, chat});
    return page;
}

} // namespace orvane
