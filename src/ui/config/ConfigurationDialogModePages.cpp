// The AMTOR, P-Mode, Baudot, ASCII and PSK31 pages of the configuration
// dialog, with the tone groups their labels follow.
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

namespace orvane {

void ConfigurationDialog::tonePage(QWidget* page, const char* boxName, const QString& title,
                                   const ToneFields& tones) {
    QLineEdit* first = widgets_.edit(page, tones.first);
    QLineEdit* second = widgets_.edit(page, tones.second);
    QLabel* center = widgets_.label(page, tones.center);
    QLabel* shift = widgets_.label(page, tones.shift);
    using W = SettingWidgets;
    QGroupBox* box = groupOf(page, boxName, title,
                             {{W::caption(tones.first), first},
                              {W::caption(tones.second), second},
                              {W::caption(tones.center), center},
                              {W::caption(tones.shift), shift}});
    // Each page's labels follow that page's two edits only.
    auto follow = [this, tones, first, second, center, shift] {
        SettingControls& shown = values_.settings;
        shown.text(tones.first) = ss(first->text());
        shown.text(tones.second) = ss(second->text());
        updateToneLabels(shown, tones);
        center->setText(qs(shown.text(tones.center)));
        shift->setText(qs(shown.text(tones.shift)));
    };
    connect(first, &QLineEdit::textEdited, this, follow);
    connect(second, &QLineEdit::textEdited, this, follow);
    place(page, box, 0, 3, 3, 1);
    lock({box});
}

QWidget* ConfigurationDialog::buildAmtorPage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogAmtorPage);
    place(page, widgets_.buttons(page, &S::A_TXEnable, true).box, 0, 0);
    place(page, widgets_.buttons(page, &S::A_TextEntry, true).box, 1, 0);
    place(page, widgets_.buttons(page, &S::A_Polarity, true).box, 2, 0);
    place(page, widgets_.buttons(page, &S::A_EndOfLine, true).box, 0, 1);
    place(page, widgets_.buttons(page, &S::A_WRU).box, 1, 1);
    place(page, widgets_.buttons(page, &S::A_LetterCase).box, 2, 1);
    place(page,
          widgets_.edits(page, "AmtorTimingBox", "Timing", {&S::A_TimeOut, &S::A_TD, &S::A_CD}), 0,
          2, 2, 1);
    tonePage(page, "AmtorBox", "TOR Tones", kAmtorTones);
    return page;
}

QWidget* ConfigurationDialog::buildPModePage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogPModePage);
    place(page, widgets_.buttons(page, &S::P_TXEnable, true).box, 0, 0);
    place(page, widgets_.buttons(page, &S::P_TextEntry, true).box, 1, 0);
    place(page, widgets_.buttons(page, &S::P_EndOfLine, true).box, 0, 1);
    place(page, widgets_.buttons(page, &S::P_Huffman).box, 1, 1);
    QGroupBox* delays = widgets_.edits(page, "PModeDelaysBox", "Delays",
                                       {&S::P_CSDelay, &S::P_MaxDown, &S::P_MaxUp, &S::P_MaxTry,
                                        &S::P_MaxError, &S::P_MaxARQSum, &S::P_FECRepeats});
    place(page, delays, 0, 2, 3, 1);
    tonePage(page, "PModeTonesBox", "P-Mode Tones", kPModeTones);
    lock({delays});
    return page;
}

QWidget* ConfigurationDialog::buildBaudotPage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogBaudotPage);
    place(page, widgets_.buttons(page, &S::B_TXEnable, true).box, 0, 0);
    place(page, widgets_.buttons(page, &S::B_TextEntry, true).box, 1, 0);
    place(page, widgets_.buttons(page, &S::B_Polarity, true).box, 2, 0);
    place(page, widgets_.buttons(page, &S::B_EndOfLine, true).box, 0, 1);
    RadioGroup sync = widgets_.buttons(page, &S::B_SyncIdle);
    place(page, sync.box, 1, 1);
    place(page, widgets_.buttons(page, &S::B_USOS).box, 2, 1);
    place(page, widgets_.buttons(page, &S::B_CodeType).box, 0, 2);
    QComboBox* rate = widgets_.list(page, &S::B_Rate);
    place(page, groupOf(page, "BaudotRateBox", "Rate", {{QString(), rate}}), 1, 2);
    place(page, widgets_.edits(page, "BaudotPTTBox", "PTT Delay", {&S::B_PTTON, &S::B_PTTOFF}), 2,
          2);
    tonePage(page, "BaudotTonesBox", "Baudot Tones", kBaudotTones);
    lock({rate, sync.box});
    return page;
}

QWidget* ConfigurationDialog::buildAsciiPage() {
    using S = Settings;
    QWidget* page = newPage(Control::DialogAsciiPage);
    place(page, widgets_.buttons(page, &S::S_TXEnable, true).box, 0, 0);
    place(page, widgets_.buttons(page, &S::S_TextEntry, true).box, 1, 0);
    place(page, widgets_.buttons(page, &S::S_Polarity, true).box, 2, 0);
    place(page, widgets_.buttons(page, &S::S_EndOfLine, true).box, 0, 1);
    RadioGroup sync = widgets_.buttons(page, &S::S_SyncIdle);
    place(page, sync.box, 1, 1);
    QComboBox* rate = widgets_.list(page, &S::S_Rate);
    place(page, groupOf(page, "AsciiRateBox", "Rate", {{QString(), rate}}), 0, 2);
    place(page, widgets_.edits(page, "AsciiPTTBox", "PTT Delay", {&S::S_PTTON, &S::S_PTTOFF}), 1,
          2);
    tonePage(page, "AsciiTonesBox", "ASCII Tones", kAsciiTones);
    lock({rate, sync.box});
    return page;
}

QWidget* ConfigurationDialog::buildPsk31Page() {
    QWidget* page = newPage(Control::DialogPsk31Page);
    Psk31Values& v = values_.psk31;
    RadioGroup tx = radioGroup(page, "PSK31TransmitBox", "Transmit",
                               {{objectNameText(Control::DialogPsk31TxEnable), "Enable"},
                                {objectNameText(Control::DialogPsk31TxDisable), "Disable"}},
                               true);
    bindings_.pair(tx[0], tx[1], v.txEnable);
    RadioGroup entry = radioGroup(page, "PSK31TextEntryBox", "Text Entry",
                                  {{"PSK31TextEntryWord", "Word"},
                                   {"PSK31TextEntryChar", "Character"},
                                   {"PSK31TextEntryLine", "Line"}},
                                  true);
    bindings_.words({{entry[0], "WORD"}, {entry[1], "CHAR"}, {entry[2], "LINE"}}, v.textEntry);
    QLineEdit* pttOn = numberEdit(page, "edPSK31PTTON", kByteRange);
    QLineEdit* pttOff = numberEdit(page, "edPSK31PTTOFF", kByteRange);
    bindings_.edit(pttOn, v.pttOn);
    bindings_.edit(pttOff, v.pttOff);
    QGroupBox* ptt =
        groupOf(page, "PSK31PTTBox", "PTT Delay (x10 ms)", {{"ON:", pttOn}, {"OFF:", pttOff}});
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
