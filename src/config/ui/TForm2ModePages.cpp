// The AMTOR, P-Mode, Baudot, ASCII and PSK31 pages of the configuration
// dialog, with the tone groups their labels follow.
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

const QStringList kRates{"45", "50", "57", "75", "100", "110"};

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

// The Baudot and ASCII pages name their shared controls after the mode
// ("Baudot", "Ascii"): butBaudotTXEN, BaudotTextEntryBox, edAsciiPTTON ...
QByteArray fskName(const char* before, const char* mode, const char* after) {
    return QByteArray(before) + mode + after;
}

struct FskHead {
    RadioGroup tx, entry, polarity;
};

// Transmit, text entry and polarity.
template <class FskValues>
FskHead fskHead(QWidget* page, ControlBindings& bindings, const char* mode, FskValues& v) {
    auto n = [mode](const char* before, const char* after) { return fskName(before, mode, after); };
    FskHead head{
        radioGroup(page, n("", "TransmitBox"), "Transmit",
                   {{n("but", "TXEN"), "Enable"}, {n("but", "TXDIS"), "Disable"}}, true),
        textEntryGroup(page, n("", "TextEntryBox"), n("", "TextEntryWord"), n("", "TextEntryChar"),
                       n("", "TextEntryLine")),
        radioGroup(page, n("", "PolarityBox"), "Polarity",
                   {{n("", "PolarityNormal"), "Normal"}, {n("", "PolarityReverse"), "Reverse"}}, true)};
    bindings.pair(head.tx[0], head.tx[1], v.txEnable);
    bindings.words(textEntryWords(head.entry), v.textEntry);
    bindings.pair(head.polarity[0], head.polarity[1], v.polarityNormal);
    return head;
}

template <class FskValues>
RadioGroup syncIdleGroup(QWidget* page, ControlBindings& bindings, const char* mode, FskValues& v) {
    auto n = [mode](const char* before, const char* after) { return fskName(before, mode, after); };
    RadioGroup sync = radioGroup(page, n("", "SyncIdleBox"), "Sync Idle",
                                 {{n("but", "SyncON"), "ON"}, {n("but", "SyncOFF"), "OFF"}});
    bindings.pair(sync[0], sync[1], v.syncIdleOn);
    return sync;
}

struct FskRate {
    QComboBox* rate;
    QGroupBox* rateBox;
    QGroupBox* pttBox;
};

// The rate list and the two PTT delays.
template <class FskValues>
FskRate fskRate(QWidget* page, ControlBindings& bindings, const char* mode, FskValues& v) {
    auto n = [mode](const char* before, const char* after) { return fskName(before, mode, after); };
    QComboBox* rate = pickList(page, n("", "RateCombo"), kRates);
    bindings.list(rate, v.rate);
    QLineEdit* pttOn = numberEdit(page, n("ed", "PTTON"), kByteRange);
    QLineEdit* pttOff = numberEdit(page, n("ed", "PTTOFF"), kByteRange);
    bindings.edit(pttOn, v.pttOn);
    bindings.edit(pttOff, v.pttOff);
    return {rate, groupOf(page, n("", "RateBox"), "Rate", {{QString(), rate}}),
            groupOf(page, n("", "PTTBox"), "PTT Delay", {{"ON:", pttOn}, {"OFF:", pttOff}})};
}

} // namespace

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
    tonePage(page, "AmtorBox", "TOR Tones", objectNameText(Control::DialogAmtorMark), "MARK",
             objectNameText(Control::DialogAmtorSpace), "SPACE",
             objectNameText(Control::DialogAmtorCenter), objectNameText(Control::DialogAmtorShift),
             v.tones);
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
    tonePage(page, "PModeTonesBox", "P-Mode Tones", objectNameText(Control::DialogPModeFreq1),
             "Freq 1", objectNameText(Control::DialogPModeFreq2), "Freq 2",
             objectNameText(Control::DialogPModeCenter), objectNameText(Control::DialogPModeShift),
             v.tones);
    lock({delays});
    return page;
}

QWidget* TForm2::buildBaudotPage() {
    QWidget* page = newPage(page::Baudot);
    BaudotValues& v = values_.baudot;
    const FskHead head = fskHead(page, bindings_, "Baudot", v);
    RadioGroup eol = fourEndOfLines(page, "BaudotEndOfLineBox", "BaudotEOLCRLFLTRS", "BaudotEOLCR",
                                    "BaudotEOLCRCRLF", "BaudotEOLCRLF");
    bindings_.words(fourEndOfLineWords(eol), v.endOfLine);
    RadioGroup sync = syncIdleGroup(page, bindings_, "Baudot", v);
    RadioGroup usos = radioGroup(page, "BaudotUSOSBox", "USOS", {{"butBaudotUSOSON", "ON"}, {"butBaudotUSOSOFF", "OFF"}});
    bindings_.pair(usos[0], usos[1], v.usosOn);
    RadioGroup code = radioGroup(page, "BaudotCodeBox", "Code", {{"butBaudotCodeUS", "US"}, {"butBaudotCodeNo2", "No2"}});
    bindings_.pair(code[0], code[1], v.codeUs);
    const FskRate rate = fskRate(page, bindings_, "Baudot", v);

    place(page, head.tx.box, 0, 0);
    place(page, head.entry.box, 1, 0);
    place(page, head.polarity.box, 2, 0);
    place(page, eol.box, 0, 1);
    place(page, sync.box, 1, 1);
    place(page, usos.box, 2, 1);
    place(page, code.box, 0, 2);
    place(page, rate.rateBox, 1, 2);
    place(page, rate.pttBox, 2, 2);
    tonePage(page, "BaudotTonesBox", "Baudot Tones", objectNameText(Control::DialogBaudotMark),
             "MARK", objectNameText(Control::DialogBaudotSpace), "SPACE",
             objectNameText(Control::DialogBaudotCenter),
             objectNameText(Control::DialogBaudotShift), v.tones);
    lock({rate.rate, sync.box});
    return page;
}

QWidget* TForm2::buildAsciiPage() {
    QWidget* page = newPage(page::Ascii);
    AsciiValues& v = values_.ascii;
    const FskHead head = fskHead(page, bindings_, "Ascii", v);
    RadioGroup eol = radioGroup(page, "AsciiEndOfLineBox", "End Of Line",
                                {{"AsciiEOLCR", "CR"}, {"AsciiEOLCRLF", "CR LF"}}, true);
    bindings_.words({{eol[0], "CR"}, {eol[1], "CR LF"}}, v.endOfLine);
    RadioGroup sync = syncIdleGroup(page, bindings_, "Ascii", v);
    const FskRate rate = fskRate(page, bindings_, "Ascii", v);

    place(page, head.tx.box, 0, 0);
    place(page, head.entry.box, 1, 0);
    place(page, head.polarity.box, 2, 0);
    place(page, eol.box, 0, 1);
    place(page, sync.box, 1, 1);
    place(page, rate.rateBox, 0, 2);
    place(page, rate.pttBox, 1, 2);
    tonePage(page, "AsciiTonesBox", "ASCII Tones", objectNameText(Control::DialogAsciiMark), "MARK",
             objectNameText(Control::DialogAsciiSpace), "SPACE",
             objectNameText(Control::DialogAsciiCenter), objectNameText(Control::DialogAsciiShift),
             v.tones);
    lock({rate.rate, sync.box});
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

} // namespace orvane
