// The pages of the configuration dialog: every control with its name and
// caption, tied to its field of the dialog's values.
#include "config/ui/TForm2.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"

#include "config/ui/DialogWidgets.h"

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

const QStringList kRates{"45", "50", "57", "75", "100", "110"};

QWidget* newPage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    new QGridLayout(page);
    return page;
}

void place(QWidget* page, QWidget* widget, int row, int column, int rowSpan = 1, int columnSpan = 1) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    widget->setParent(page);
    grid->addWidget(widget, row, column, rowSpan, columnSpan, Qt::AlignTop);
}

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
    RadioGroup cwid = radioGroup(page, "CWIDBox", "CW ID", {{"sysCWIDON", "ON"}, {"sysCWIDOFF", "OFF"}});
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
                                    {{"quoralAFChannel1", "1"}, {"quoralAFChannel2", "2"},
                                     {"quoralAFChannel3", "3"}, {"quoralAFChannel4", "4"}});
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

void TForm2::tonePage(QWidget* page, const char* boxName, const QString& title, const char* firstName,
                      const QString& firstCaption, const char* secondName, const QString& secondCaption,
                      const char* centerName, const char* shiftName, ToneValues& tones) {
    QLineEdit* first = numberEdit(page, firstName, kToneRange);
    QLineEdit* second = numberEdit(page, secondName, kToneRange);
    QLabel* center = label(page, centerName, QString());
    QLabel* shift = label(page, shiftName, QString());
    QGroupBox* box = groupOf(page, boxName, title,
                             {{firstCaption, first}, {secondCaption, second}, {"Center", center},
                              {"Shift", shift}});
    bindings_.edit(first, tones.first);
    bindings_.edit(second, tones.second);
    bindings_.label(center, tones.center);
    bindings_.label(shift, tones.shift);
    // Each page's labels follow that page's two edits only.
    auto follow = [&tones, first, second, center, shift] {
        tones.first = ss(first->text());
        tones.second = ss(second->text());
        updateToneLabels(tones);
        center->setText(QString::number(tones.center));
        shift->setText(QString::number(tones.shift));
    };
    connect(first, &QLineEdit::textEdited, this, follow);
    connect(second, &QLineEdit::textEdited, this, follow);
    place(page, box, 0, 3, 3, 1);
    lock({box});
}

namespace {

RadioGroup textEntryGroup(QWidget* page, const char* boxName, const char* word, const char* character,
                          const char* line) {
    return radioGroup(page, boxName, "Text Entry",
                      {{word, "Word"}, {character, "Character"}, {line, "Line"}}, true);
}

std::vector<std::pair<QRadioButton*, std::string>> textEntryWords(const RadioGroup& group) {
    return {{group[0], "WORD"}, {group[1], "CHAR"}, {group[2], "LINE"}};
}

RadioGroup fourEndOfLines(QWidget* page, const char* boxName, const char* crLfLtrs, const char* cr,
                          const char* crCrLf, const char* crLf) {
    return radioGroup(page, boxName, "End Of Line",
                      {{crLfLtrs, "CR LF LTRS"}, {cr, "CR"}, {crCrLf, "CR CR LF"}, {crLf, "CR LF"}}, true);
}

std::vector<std::pair<QRadioButton*, std::string>> fourEndOfLineWords(const RadioGroup& group) {
    return {{group[0], "CR LF LTRS"}, {group[1], "CR"}, {group[2], "CR CR LF"}, {group[3], "CR LF"}};
}

} // namespace

QWidget* TForm2::buildAmtorPage() {
    QWidget* page = newPage(page::Amtor);
    AmtorValues& v = values_.amtor;
    RadioGroup tx = radioGroup(page, "AmtorTransmitBox", "Transmit",
                               {{"AmtorTXENEnable", "Enable"}, {"AmtorTXENDisable", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = textEntryGroup(page, "AmtorTextEntryBox", "AmtorTextEntryWord",
                                      "AmtorTextEntryChar", "AmtorTextEntryLine");
    bindings_.words(textEntryWords(entry), v.textEntry);
    RadioGroup polarity = radioGroup(page, "AmtorPolarityBox", "Polarity",
                                     {{"AmtorPolarityNormal", "Normal"}, {"AmtorPolarityReverse", "Reverse"}}, true);
    bindings_.pair(polarity[0], polarity[1], v.polarityNormal);
    RadioGroup eol = fourEndOfLines(page, "AmtorEndOfLineBox", "AmtorEOLCRLFLTRS", "AmtorEOLCR",
                                    "AmtorEOLCRCRLF", "AmtorEOLCRLF");
    bindings_.words(fourEndOfLineWords(eol), v.endOfLine);
    RadioGroup wru = radioGroup(page, "AmtorWRUBox", "WRU", {{"AmtorWRUON", "ON"}, {"AmtorWRUOFF", "OFF"}});
    bindings_.pair(wru[0], wru[1], v.wruOn);
    RadioGroup letterCase = radioGroup(page, "AmtorLetterCaseBox", "Letter Case",
                                       {{"AmtorLetterCaseU", "Upper"}, {"AmtorLetterCaseL", "Lower"}});
    bindings_.pair(letterCase[0], letterCase[1], v.letterCaseUpper);
    QLineEdit* timeOut = numberEdit(page, "AmtorTimeOutLabel", kByteRange);
    QLineEdit* td = numberEdit(page, "AmtorTDLabel", kByteRange);
    QLineEdit* cd = numberEdit(page, "AmtorCDLabel", kByteRange);
    bindings_.edit(timeOut, v.timeOut);
    bindings_.edit(td, v.td);
    bindings_.edit(cd, v.cd);
    QGroupBox* timing = groupOf(page, "AmtorTimingBox", "Timing", {{"Time Out", timeOut}, {"TD", td}, {"CD", cd}});

    place(page, tx.box, 0, 0);
    place(page, entry.box, 1, 0);
    place(page, polarity.box, 2, 0);
    place(page, eol.box, 0, 1);
    place(page, wru.box, 1, 1);
    place(page, letterCase.box, 2, 1);
    place(page, timing, 0, 2, 2, 1);
    tonePage(page, "AmtorBox", "TOR Tones", "AmtorMARK", "MARK", "AmtorSPACE", "SPACE",
             "AmtorCenterLabel", "AmtorShiftLabel", v.tones);
    return page;
}

QWidget* TForm2::buildPModePage() {
    QWidget* page = newPage(page::PMode);
    PModeValues& v = values_.pmode;
    RadioGroup tx = radioGroup(page, "PModeTransmitBox", "Transmit",
                               {{"butPModeTXEN", "Enable"}, {"butPModeTXDIS", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = textEntryGroup(page, "PModeTextEntryBox", "PModeTextEntryWord",
                                      "PmodeTextEntryChar", "PModeTextEntryLine");
    bindings_.words(textEntryWords(entry), v.textEntry);
    RadioGroup eol = radioGroup(page, "PModeEndOfLineBox", "End Of Line",
                                {{"PModeEOLCR", "CR"}, {"PModeEOLCRLF", "CR LF"}}, true);
    bindings_.pair(eol[1], eol[0], v.endOfLineCrLf);
    RadioGroup huffman = radioGroup(page, "PModeHuffmanBox", "Huffman",
                                    {{"PModeHuffmanON", "ON"}, {"PModeHuffmanOFF", "OFF"}});
    bindings_.pair(huffman[0], huffman[1], v.huffmanOn);

    constexpr const char* names[] = {"edPModeCS",       "edPModeMaxDown",    "edPModeMaxUp",
                                     "edPModeMaxTry",   "edPModeMaxError",   "edPModeMaxARQSum",
                                     "edPModeFECRepeats"};
    constexpr const char* captions[] = {"CS Delay",  "Max Down",    "Max Up",     "Max Try",
                                        "Max Error", "Max ARQ Sum", "FEC Repeats"};
    auto* delays = new QGroupBox(QStringLiteral("Delays"), page);
    delays->setObjectName(QStringLiteral("PModeDelaysBox"));
    auto* form = new QFormLayout(delays);
    for (std::size_t i = 0; i < v.delays.size(); ++i) {
        QLineEdit* edit = numberEdit(delays, names[i], kByteRange);
        form->addRow(QString::fromLatin1(captions[i]), edit);
        bindings_.edit(edit, v.delays[i]);
    }
    place(page, tx.box, 0, 0);
    place(page, entry.box, 1, 0);
    place(page, eol.box, 0, 1);
    place(page, huffman.box, 1, 1);
    place(page, delays, 0, 2, 3, 1);
    tonePage(page, "PModeTonesBox", "P-Mode Tones", "edPModeFreq1", "Freq 1", "edPModeFreq2", "Freq 2",
             "PModeCenterLabel", "PModeShiftLabel", v.tones);
    lock({delays});
    return page;
}

QWidget* TForm2::buildBaudotPage() {
    QWidget* page = newPage(page::Baudot);
    BaudotValues& v = values_.baudot;
    RadioGroup tx = radioGroup(page, "BaudotTransmitBox", "Transmit",
                               {{"butBaudotTXEN", "Enable"}, {"butBaudotTXDIS", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = textEntryGroup(page, "BaudotTextEntryBox", "BaudotTextEntryWord",
                                      "BaudotTextEntryChar", "BaudotTextEntryLine");
    bindings_.words(textEntryWords(entry), v.textEntry);
    RadioGroup polarity = radioGroup(page, "BaudotPolarityBox", "Polarity",
                                     {{"BaudotPolarityNormal", "Normal"}, {"BaudotPolarityReverse", "Reverse"}}, true);
    bindings_.pair(polarity[0], polarity[1], v.polarityNormal);
    RadioGroup eol = fourEndOfLines(page, "BaudotEndOfLineBox", "BaudotEOLCRLFLTRS", "BaudotEOLCR",
                                    "BaudotEOLCRCRLF", "BaudotEOLCRLF");
    bindings_.words(fourEndOfLineWords(eol), v.endOfLine);
    RadioGroup sync = radioGroup(page, "BaudotSyncIdleBox", "Sync Idle",
                                 {{"butBaudotSyncON", "ON"}, {"butBaudotSyncOFF", "OFF"}});
    bindings_.pair(sync[0], sync[1], v.syncIdleOn);
    RadioGroup usos = radioGroup(page, "BaudotUSOSBox", "USOS", {{"butBaudotUSOSON", "ON"}, {"butBaudotUSOSOFF", "OFF"}});
    bindings_.pair(usos[0], usos[1], v.usosOn);
    RadioGroup code = radioGroup(page, "BaudotCodeBox", "Code", {{"butBaudotCodeUS", "US"}, {"butBaudotCodeNo2", "No2"}});
    bindings_.pair(code[0], code[1], v.codeUs);
    QComboBox* rate = pickList(page, "BaudotRateCombo", kRates);
    bindings_.list(rate, v.rate);
    QLineEdit* pttOn = numberEdit(page, "edBaudotPTTON", kByteRange);
    QLineEdit* pttOff = numberEdit(page, "edBaudotPTTOFF", kByteRange);
    bindings_.edit(pttOn, v.pttOn);
    bindings_.edit(pttOff, v.pttOff);
    QGroupBox* rateBox = groupOf(page, "BaudotRateBox", "Rate", {{QString(), rate}});
    QGroupBox* ptt = groupOf(page, "BaudotPTTBox", "PTT Delay", {{"ON:", pttOn}, {"OFF:", pttOff}});

    place(page, tx.box, 0, 0);
    place(page, entry.box, 1, 0);
    place(page, polarity.box, 2, 0);
    place(page, eol.box, 0, 1);
    place(page, sync.box, 1, 1);
    place(page, usos.box, 2, 1);
    place(page, code.box, 0, 2);
    place(page, rateBox, 1, 2);
    place(page, ptt, 2, 2);
    tonePage(page, "BaudotTonesBox", "Baudot Tones", "BaudotMARK", "MARK", "BaudotSPACE", "SPACE",
             "BaudotCenterLabel", "BaudotShiftLabel", v.tones);
    lock({rate, sync.box});
    return page;
}

QWidget* TForm2::buildAsciiPage() {
    QWidget* page = newPage(page::Ascii);
    AsciiValues& v = values_.ascii;
    RadioGroup tx = radioGroup(page, "AsciiTransmitBox", "Transmit",
                               {{"butAsciiTXEN", "Enable"}, {"butAsciiTXDIS", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = textEntryGroup(page, "AsciiTextEntryBox", "AsciiTextEntryWord",
                                      "AsciiTextEntryChar", "AsciiTextEntryLine");
    bindings_.words(textEntryWords(entry), v.textEntry);
    RadioGroup polarity = radioGroup(page, "AsciiPolarityBox", "Polarity",
                                     {{"AsciiPolarityNormal", "Normal"}, {"AsciiPolarityReverse", "Reverse"}}, true);
    bindings_.pair(polarity[0], polarity[1], v.polarityNormal);
    RadioGroup eol = radioGroup(page, "AsciiEndOfLineBox", "End Of Line",
                                {{"AsciiEOLCR", "CR"}, {"AsciiEOLCRLF", "CR LF"}}, true);
    bindings_.words({{eol[0], "CR"}, {eol[1], "CR LF"}}, v.endOfLine);
    RadioGroup sync = radioGroup(page, "AsciiSyncIdleBox", "Sync Idle",
                                 {{"butAsciiSyncON", "ON"}, {"butAsciiSyncOFF", "OFF"}});
    bindings_.pair(sync[0], sync[1], v.syncIdleOn);
    QComboBox* rate = pickList(page, "AsciiRateCombo", kRates);
    bindings_.list(rate, v.rate);
    QLineEdit* pttOn = numberEdit(page, "edAsciiPTTON", kByteRange);
    QLineEdit* pttOff = numberEdit(page, "edAsciiPTTOFF", kByteRange);
    bindings_.edit(pttOn, v.pttOn);
    bindings_.edit(pttOff, v.pttOff);
    QGroupBox* rateBox = groupOf(page, "AsciiRateBox", "Rate", {{QString(), rate}});
    QGroupBox* ptt = groupOf(page, "AsciiPTTBox", "PTT Delay", {{"ON:", pttOn}, {"OFF:", pttOff}});

    place(page, tx.box, 0, 0);
    place(page, entry.box, 1, 0);
    place(page, polarity.box, 2, 0);
    place(page, eol.box, 0, 1);
    place(page, sync.box, 1, 1);
    place(page, rateBox, 0, 2);
    place(page, ptt, 1, 2);
    tonePage(page, "AsciiTonesBox", "ASCII Tones", "AsciiMARK", "MARK", "AsciiSPACE", "SPACE",
             "AsciiCenterLabel", "AsciiShiftLabel", v.tones);
    lock({rate, sync.box});
    return page;
}

QWidget* TForm2::buildPsk31Page() {
    QWidget* page = newPage(page::Psk31);
    Psk31Values& v = values_.psk31;
    RadioGroup tx = radioGroup(page, "PSK31TransmitBox", "Transmit",
                               {{"butPSK31TXEn", "Enable"}, {"butPSK31TXDis", "Disable"}}, true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = textEntryGroup(page, "PSK31TextEntryBox", "PSK31TextEntryWord",
                                      "PSK31TextEntryChar", "PSK31TextEntryLine");
    bindings_.words(textEntryWords(entry), v.textEntry);
    QLineEdit* pttOn = numberEdit(page, "edPSK31PTTON", kByteRange);
    QLineEdit* pttOff = numberEdit(page, "edPSK31PTTOFF", kByteRange);
    bindings_.edit(pttOn, v.pttOn);
    bindings_.edit(pttOff, v.pttOff);
    QGroupBox* ptt = groupOf(page, "PSK31PTTBox", "PTT Delay (x10 ms)", {{"ON:", pttOn}, {"OFF:", pttOff}});
    auto* afc = new QCheckBox(QStringLiteral("AFC Enabled"), page);
    afc->setObjectName(QStringLiteral("PSK31AFCCheckBox"));
    bindings_.check(afc, v.afc);
    auto* squelch = new QSpinBox(page);
    squelch->setObjectName(QStringLiteral("PSK31Squelch"));
    squelch->setRange(1, 99);
    bindings_.spin(squelch, v.squelch);
    QGroupBox* squelchBox = groupOf(page, "PSK31SquelchBox", "Squelch", {{QString(), squelch}});
    place(page, tx.box, 0, 0);
    place(page, entry.box, 1, 0);
    place(page, ptt, 0, 1);
    place(page, afc, 1, 1);
    place(page, squelchBox, 2, 1);
    return page;
}

QWidget* TForm2::buildMessagesPage() {
    QWidget* page = newPage(page::Messages);
    MessageValues& v = values_.messages;
    QLineEdit* myCall = callSignEdit(page, "edMyCall", kCallSignCapacity);
    QLineEdit* myCall476 = callSignEdit(page, "edMyCall476", kSelectiveCallCapacity);
    QLineEdit* myCall625 = callSignEdit(page, "edMyCall625", kSelectiveCallCapacity);
    QLineEdit* groupCall = callSignEdit(page, "edGroupCall", kSelectiveCallCapacity);
    callSignField(myCall, v.myCall, &Settings::MYCALL);
    callSignField(myCall476, v.myCall476, &Settings::MYCALL476);
    callSignField(myCall625, v.myCall625, &Settings::MYCALL625);
    callSignField(groupCall, v.groupCall, &Settings::GROUPCALL);
    QGroupBox* calls = groupOf(page, "CallSignsBox", "Call Signs",
                               {{"MyCall", myCall}, {"MyCall 476", myCall476}, {"MyCall 625", myCall625},
                                {"Group Call", groupCall}});

    auto stationList = [&](const char* name, std::size_t capacity, std::vector<std::string>& items,
                           std::string& text) {
        auto* box = new QComboBox(page);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setValidator(callSignValidator(capacity, box));
        bindings_.list(box, text, &items);
        return box;
    };
    QComboBox* hisCalls = stationList("edHisCallBox", kCallSignCapacity, v.hisCallItems, v.hisCall);
    QComboBox* hisCalls476 =
        stationList("edHisCall476Box", kSelectiveCallCapacity, v.hisCall476Items, v.hisCall476);
    auto button = [page](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* add = button("Button4", "&Add");
    QPushButton* remove = button("Button5", "&Delete");
    QPushButton* add476 = button("Button6", "&Add");
    QPushButton* remove476 = button("Button7", "&Delete");
    connect(add, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(remove, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(add476, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(remove476, &QPushButton::clicked, this, [this] { Button7Click(); });
    auto listBox = [page](const char* name, const QString& title, QComboBox* box, QPushButton* a,
                          QPushButton* d) {
        auto* group = new QGroupBox(title, page);
        group->setObjectName(QString::fromLatin1(name));
        auto* layout = new QHBoxLayout(group);
        layout->addWidget(box, 1);
        layout->addWidget(a);
        layout->addWidget(d);
        return group;
    };
    QGroupBox* list = listBox("HisCallListBox", "HisCall List", hisCalls, add, remove);
    QGroupBox* list476 = listBox("HisCall476ListBox", "HisCall 476 List", hisCalls476, add476, remove476);

    hereIs_ = new QPlainTextEdit(page);
    hereIs_->setObjectName(QStringLiteral("edHereIs"));
    hereIs_->setTabChangesFocus(false);
    hereIs_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bindings_.custom(
        [this] {
            const QSignalBlocker block(hereIs_);
            if (ss(hereIs_->toPlainText()) != values_.messages.hereIs)
                hereIs_->setPlainText(qs(values_.messages.hereIs));
        },
        [this] { values_.messages.hereIs = ss(hereIs_->toPlainText()); });
    connect(hereIs_, &QPlainTextEdit::textChanged, this, [this] {
        values_.messages.hereIsEdited = true;
        configChanged_.set();
    });
    auto* number = new QLineEdit(page);
    number->setObjectName(QStringLiteral("edHereIsNumber"));
    number->setReadOnly(true);
    number->setMaximumWidth(48);
    bindings_.custom([this, number] { number->setText(qs(values_.messages.hereIsNumber)); }, [] {});
    auto* upDown = new QWidget(page);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    auto* arrows = new QVBoxLayout(upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (auto [name, arrow, step] : {std::tuple{"UpDown1Up", Qt::UpArrow, 1},
                                     std::tuple{"UpDown1Down", Qt::DownArrow, -1}}) {
        auto* b = new QToolButton(upDown);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(arrow);
        b->setFixedHeight(12);
        arrows->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, s = step] { UpDown1Click(s); });
    }
    auto* messages = new QGroupBox(QStringLiteral("Here Is Messages"), page);
    messages->setObjectName(QStringLiteral("HereIsBox"));
    auto* messageLayout = new QGridLayout(messages);
    messageLayout->addWidget(hereIs_, 0, 0, 1, 3);
    messageLayout->addWidget(label(messages, nullptr, "Select Here Is message #"), 1, 0);
    messageLayout->addWidget(number, 1, 1);
    messageLayout->addWidget(upDown, 1, 2, Qt::AlignLeft);

    place(page, calls, 0, 0);
    place(page, list, 1, 0);
    place(page, list476, 2, 0);
    place(page, messages, 0, 1, 3, 1);
    callSignEdits_ = {myCall, myCall476, myCall625, groupCall};
    return page;
}

} // namespace orvane
