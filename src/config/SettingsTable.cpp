// The settings table: one descriptor per key of Config/orvane.ini, in the
// order the file is written. A new setting is a field of Settings, a line
// here, and, when the operator edits it, its place on a page of the dialog.
#include "config/SettingDescriptor.h"
#include "controls/ControlNames.h"

#include <initializer_list>

namespace orvane {

namespace {

using S = Settings;
using L = ScreenLayout;
using C = KeyConversion;

constexpr std::size_t kCallCapacity = 30;
constexpr std::size_t kSelCallCapacity = 15;
constexpr std::size_t kListCapacity = 1023;

constexpr SettingWords kOnOff{"ON", "OFF"};
constexpr SettingWords kNormRev{"NORM", "REV"};
constexpr SettingWords kTextEntries{"WORD", "CHAR", "LINE"};
constexpr SettingWords kTwoEndsOfLine{"CR", "CR LF"};
constexpr SettingWords kFourEndsOfLine{"CR LF LTRS", "CR", "CR CR LF", "CR LF"};
constexpr SettingWords kRates{"45", "50", "57", "75", "100", "110"};

// The builders the table is written with: Section("baudot")("B_USOS", ...)
// gives a descriptor, the calls after it add what the setting has.
struct Declared : SettingDescriptor {
    constexpr Declared factory(std::string_view text) const {
        Declared d = *this;
        d.Factory = text;
        return d;
    }
    constexpr Declared words(const SettingWords& words) const {
        Declared d = *this;
        d.Words = words;
        return d;
    }
    constexpr Declared range(NumberRange range) const {
        Declared d = *this;
        d.Range = range;
        return d;
    }
    constexpr Declared control(const DialogControl& control) const {
        Declared d = *this;
        d.Control = control;
        return d;
    }
    // The Defaults button shows the factory value in the control.
    constexpr Declared refreshed() const {
        Declared d = *this;
        d.Control.RefreshedByDefaults = true;
        return d;
    }
    constexpr Declared conversion(KeyConversion conversion) const {
        Declared d = *this;
        d.Conversion = conversion;
        return d;
    }
    constexpr Declared capacity(std::size_t bytes) const {
        Declared d = *this;
        d.Capacity = bytes;
        return d;
    }
    constexpr Declared blankLineBefore() const {
        Declared d = *this;
        d.BlankLineBefore = true;
        return d;
    }
};

struct Section {
    std::string_view name;
    constexpr Declared operator()(std::string_view key, SettingsField field,
                                  std::optional<std::string_view> defaultText) const {
        Declared d{};
        d.Section = name;
        d.Name = key;
        d.Field = field;
        d.Default = defaultText;
        return d;
    }
};

constexpr DialogControl control(ControlKind kind, std::string_view name,
                                std::string_view caption = {}) {
    DialogControl control;
    control.Kind = kind;
    control.Name = name;
    control.Caption = caption;
    return control;
}

constexpr DialogControl buttons(std::string_view box, std::string_view title,
                                std::initializer_list<ControlButton> list) {
    DialogControl group = control(ControlKind::Buttons, box, title);
    std::size_t i = 0;
    for (const ControlButton& button : list)
        group.Buttons[i++] = button;
    return group;
}

constexpr DialogControl numberEdit(std::string_view name, std::string_view caption) {
    return control(ControlKind::NumberEdit, name, caption);
}

constexpr DialogControl label(std::string_view name, std::string_view caption,
                              std::string_view suffix = {}) {
    DialogControl shown = control(ControlKind::Label, name, caption);
    shown.Suffix = suffix;
    return shown;
}

constexpr DialogControl list(std::string_view name) {
    return control(ControlKind::List, name);
}

constexpr DialogControl spin(std::string_view name) {
    return control(ControlKind::Spin, name);
}

// The four groups of radio buttons every mode page has in its own names.
constexpr DialogControl onOffButtons(std::string_view box, std::string_view title,
                                     std::string_view on, std::string_view off) {
    return buttons(box, title, {{on, "ON"}, {off, "OFF"}});
}
constexpr DialogControl transmitButtons(std::string_view box, std::string_view enable,
                                        std::string_view disable) {
    return buttons(box, "Transmit", {{enable, "Enable"}, {disable, "Disable"}});
}
constexpr DialogControl textEntryButtons(std::string_view box, std::string_view word,
                                         std::string_view character, std::string_view line) {
    return buttons(box, "Text Entry", {{word, "Word"}, {character, "Character"}, {line, "Line"}});
}
constexpr DialogControl polarityButtons(std::string_view box, std::string_view normal,
                                        std::string_view reverse) {
    return buttons(box, "Polarity", {{normal, "Normal"}, {reverse, "Reverse"}});
}
constexpr DialogControl fourEndsOfLine(std::string_view box, std::string_view crLfLtrs,
                                       std::string_view cr, std::string_view crCrLf,
                                       std::string_view crLf) {
    return buttons(box, "End Of Line",
                   {{crLfLtrs, "CR LF LTRS"}, {cr, "CR"}, {crCrLf, "CR CR LF"}, {crLf, "CR LF"}});
}

constexpr Section callsigns{"callsigns"};
constexpr Section system{"system"};
constexpr Section fec{"fec"};
constexpr Section arq{"adaptive arq"};
constexpr Section amtor{"amtor"};
constexpr Section pmode{"pmode"};
constexpr Section baudot{"baudot"};
constexpr Section ascii{"ascii"};
constexpr Section fsk{"fsk"};
constexpr Section screen{"screen"};

// A tone edit and the Center and Shift labels that follow the page's two edits.
constexpr Declared tone(std::string_view key, int S::*field, std::string_view defaultText,
                        std::string_view edit, std::string_view caption) {
    return fsk(key, field, defaultText)
        .factory(defaultText)
        .range(kToneRange)
        .control(numberEdit(edit, caption))
        .refreshed();
}
constexpr Declared toneLabel(std::string_view key, int S::*field, std::string_view defaultText,
                             std::string_view name, std::string_view caption) {
    return fsk(key, field, defaultText)
        .factory(defaultText)
        .control(label(name, caption))
        .refreshed();
}

constexpr SettingDescriptor kTable[] = {
    callsigns("MYCALL", &S::MYCALL, "MYCALL").capacity(kCallCapacity),
    callsigns("HISCALL", &S::HISCALL, "HISCALL").capacity(kCallCapacity),
    callsigns("HISCALLLIST", &S::HISCALLLIST, "HISCALL").capacity(kListCapacity),
    callsigns("MYCALL476", &S::MYCALL476, "SCALL").capacity(kSelCallCapacity),
    callsigns("HISCALL476", &S::HISCALL476, "SCALL").capacity(kSelCallCapacity),
    callsigns("HISCALL476LIST", &S::HISCALL476LIST, "SCALL").capacity(kListCapacity),
    callsigns("MYCALL625", &S::MYCALL625, "SELCALL").capacity(kSelCallCapacity),
    callsigns("HISCALL625", &S::HISCALL625, "SELCALL").capacity(kSelCallCapacity),
    callsigns("GROUPCALL", &S::GROUPCALL, "CQCQ"),

    system("TXEnable", &S::TXEnable, "EN")
        .factory("EN")
        .words({"EN", "OFF"})
        .control(buttons("QuoralTransmitBox", "Transmit Enable",
                         {{"sysTXENEnable", "Enable"}, {"sysTXENDisable", "Disable"}}))
        .refreshed(),
    system("TextEntry", &S::TextEntry, "WORD")
        .factory("WORD")
        .words(kTextEntries)
        .control(textEntryButtons("QuoralTextEntryBox", "sysTextEntryWord", "sysTextEntryChar",
                                  "sysTextEntryLine"))
        .refreshed(),
    system("EndOfLine", &S::EndOfLine, "CR LF")
        .factory("CR LF")
        .words(kTwoEndsOfLine)
        .control(buttons("QuoralEndOfLineBox", "End Of Line",
                         {{"sysEOLCR", "CR"}, {"sysEOLCRLF", "CR LF"}}))
        .refreshed(),
    system("ScanControl", &S::ScanControl, "CONT")
        .factory("CONT")
        .words({"CONT", "PULSE"})
        .control(buttons("ScanControlBox", "Scan Control",
                         {{"sysScanControlCONT", "CONT"}, {"sysScanControlPulse", "PULSE"}}))
        .refreshed(),
    system("CWID", &S::CWID, "OFF")
        .factory("OFF")
        .words(kOnOff)
        .control(onOffButtons("CWIDBox", "CW ID", objectName(Control::DialogCwIdOn),
                              objectName(Control::DialogCwIdOff)))
        .refreshed(),
    system("AFChannel", &S::AFChannel, "4")
        .factory("4")
        .words({"1", "2", "3", "4"})
        .range({1, 4})
        .control(buttons("AFChannelBox", "AF Channel",
                         {{objectName(Control::DialogAfChannel1), "1"},
                          {objectName(Control::DialogAfChannel2), "2"},
                          {objectName(Control::DialogAfChannel3), "3"},
                          {objectName(Control::DialogAfChannel4), "4"}}))
        .refreshed(),
    system("EchoEnable", &S::EchoEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(onOffButtons("EchoAsSentBox", "Echo As Sent", "sysEASON", "sysEASOFF"))
        .refreshed(),
    system("Printer", &S::Printer, "OFF")
        .factory("OFF")
        .words(kOnOff)
        .control(onOffButtons("PrinterBox", "Printer", "sysPrinterON", "sysPrinterOFF"))
        .refreshed(),
    system("PrintSquelchEnable", &S::PrintSquelchEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(onOffButtons("PrintSquelchBox", "Print Squelch", "cfgbutPSON", "cfgbutPSOFF")),
    system("PrintSquelchSetting", &S::PrintSquelchSetting, "69")
        .factory("68")
        .range({0, 99})
        .control(spin("cfgPSLevelSpin")),
    system("ComPort", &S::PortName, "").conversion(C::ComPort),
    // Shown on the dialog as the modem listens at the moment, but never taken
    // from it: the setting is only the listening the console starts with.
    system("Listen", &S::Listen, "ON").factory("ON").words(kOnOff),
    system("RXGain", &S::RXGain, "+0dB").conversion(C::RxGain),
    system("TXGain", &S::TXGain, "+0dB").conversion(C::TxGain),
    system("FSKPol", &S::FSKPol, "NORM")
        .words(kNormRev)
        .control(buttons("FSKPolarityBox", "FSK Polarity",
                         {{objectName(Control::DialogFskPolarityNormal), "NORMAL"},
                          {objectName(Control::DialogFskPolarityReverse), "REVERSE"}})),
    system("StatusBar", &S::StatusBar, "ON")
        .words(kOnOff)
        .control(onOffButtons("StatusBarBox", "StatusBar", objectName(Control::DialogStatusBarOn),
                              objectName(Control::DialogStatusBarOff))),
    system("ToolBar", &S::ToolBar, "ON").words(kOnOff),
    system("Code", &S::Code, "QUORAL").conversion(C::Code),
    system("ReceiveStallSeconds", &S::ReceiveStallSeconds, "60")
        .factory("60")
        .range({10, 3600})
        .control(numberEdit("edReceiveStall", "No data for (s)")),

    fec("FECMod", &S::FECMod, "BPSM")
        .factory("BPSM")
        .words({"BPSM", "QPSM", "8PSM", "8P2A", "16P4A", "2DPSM"})
        .control(buttons("ModulationBox", "Modulation",
                         {{objectName(Control::DialogFecBpsm), "BPSM"},
                          {objectName(Control::DialogFecQpsm), "QPSM"},
                          {objectName(Control::DialogFec8Psm), "8PSM"},
                          {objectName(Control::DialogFec8P2a), "8P2A"},
                          {objectName(Control::DialogFec16P4a), "16P4A"},
                          {objectName(Control::DialogFec2Dpsm), "2DPSM"}})),
    // The two labels follow the modulation the operator picks.
    fec("FECCodeEff", &S::FECCodeEff, "60")
        .factory("60")
        .control(label(objectName(Control::DialogFecCodeEfficiency), "Code Efficiency:", "%")),
    fec("FECBlockSize", &S::FECBlockSize, "60")
        .factory("85")
        .control(label(objectName(Control::DialogFecBlockSize), "Block Size:")),

    arq("AutoBias", &S::AutoBias, "NORMAL")
        .factory("NORMAL")
        .words({"NORMAL", "ROBUST", "FAST", "FASTEST"})
        .control(buttons("AutoBiasBox", "Auto Bias",
                         {{objectName(Control::DialogAutoBiasNormal), "NORMAL"},
                          {objectName(Control::DialogAutoBiasRobust), "ROBUST"},
                          {objectName(Control::DialogAutoBiasFast), "FAST"},
                          {objectName(Control::DialogAutoBiasFastest), "FASTEST"}})),
    arq("ConnectBias", &S::ConnectBias, "ROBUST")
        .factory("ROBUST")
        .words({"NORMAL", "ROBUST"})
        .control(buttons("ConnectBox", "Connect",
                         {{objectName(Control::DialogConnectNormal), "NORMAL"},
                          {objectName(Control::DialogConnectRobust), "ROBUST"}})),
    arq("NormalRetry", &S::NormalRetry, "30")
        .factory("30")
        .range(kByteRange)
        .control(numberEdit(objectName(Control::DialogNormalRetries), "Normal Retries")),
    arq("RobustRetry", &S::RobustRetry, "10")
        .factory("10")
        .range(kByteRange)
        .control(numberEdit("edRobustRetries", "Robust Retries")),
    arq("FailRetry", &S::FailRetry, "20")
        .factory("20")
        .range(kByteRange)
        .control(numberEdit("edFailRetries", "Fail Retries")),
    arq("ChatCount", &S::ChatCount, "1")
        .factory("1")
        .range(kByteRange)
        .control(numberEdit(objectName(Control::DialogChatCount), "Chat Count")),

    amtor("A_TXEnable", &S::A_TXEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(transmitButtons("AmtorTransmitBox", "AmtorTXENEnable", "AmtorTXENDisable"))
        .refreshed(),
    amtor("A_TextEntry", &S::A_TextEntry, "WORD")
        .factory("WORD")
        .words(kTextEntries)
        .control(textEntryButtons("AmtorTextEntryBox", "AmtorTextEntryWord", "AmtorTextEntryChar",
                                  "AmtorTextEntryLine"))
        .refreshed(),
    amtor("A_Polarity", &S::A_Polarity, "NORM")
        .factory("NORM")
        .words(kNormRev)
        .control(polarityButtons("AmtorPolarityBox", "AmtorPolarityNormal", "AmtorPolarityReverse"))
        .refreshed(),
    amtor("A_EndOfLine", &S::A_EndOfLine, "CR LF LTRS")
        .factory("CR LF LTRS")
        .words(kFourEndsOfLine)
        .control(fourEndsOfLine("AmtorEndOfLineBox", "AmtorEOLCRLFLTRS", "AmtorEOLCR",
                                "AmtorEOLCRCRLF", "AmtorEOLCRLF"))
        .refreshed(),
    amtor("A_WRU", &S::A_WRU, "OFF")
        .factory("OFF")
        .words(kOnOff)
        .control(onOffButtons("AmtorWRUBox", "WRU", "AmtorWRUON", "AmtorWRUOFF"))
        .refreshed(),
    amtor("A_TimeOut", &S::A_TimeOut, "32")
        .factory("32")
        .range(kByteRange)
        .control(numberEdit("AmtorTimeOutLabel", "Time Out"))
        .refreshed(),
    amtor("A_TD", &S::A_TD, "10")
        .factory("10")
        .range(kByteRange)
        .control(numberEdit("AmtorTDLabel", "TD"))
        .refreshed(),
    amtor("A_CD", &S::A_CD, "50")
        .factory("50")
        .range(kByteRange)
        .control(numberEdit("AmtorCDLabel", "CD"))
        .refreshed(),
    amtor("A_LetterCase", &S::A_LetterCase, "U")
        .factory("U")
        .words({"U", "L"})
        .control(buttons("AmtorLetterCaseBox", "Letter Case",
                         {{"AmtorLetterCaseU", "Upper"}, {"AmtorLetterCaseL", "Lower"}}))
        .refreshed(),

    pmode("P_TXEnable", &S::P_TXEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(transmitButtons("PModeTransmitBox", objectName(Control::DialogPModeTxEnable),
                                 objectName(Control::DialogPModeTxDisable)))
        .refreshed(),
    pmode("P_TextEntry", &S::P_TextEntry, "WORD")
        .factory("WORD")
        .words(kTextEntries)
        .control(textEntryButtons("PModeTextEntryBox", "PModeTextEntryWord", "PmodeTextEntryChar",
                                  "PModeTextEntryLine"))
        .refreshed(),
    pmode("P_EndOfLine", &S::P_EndOfLine, "CR LF")
        .factory("CR LF")
        .words(kTwoEndsOfLine)
        .control(buttons("PModeEndOfLineBox", "End Of Line",
                         {{"PModeEOLCR", "CR"}, {"PModeEOLCRLF", "CR LF"}}))
        .refreshed(),
    pmode("P_CSDelay", &S::P_CSDelay, "30")
        .factory("30")
        .range(kByteRange)
        .control(numberEdit("edPModeCS", "CS Delay"))
        .refreshed(),
    pmode("P_MaxDown", &S::P_MaxDown, "6")
        .factory("6")
        .range(kByteRange)
        .control(numberEdit("edPModeMaxDown", "Max Down"))
        .refreshed(),
    pmode("P_MaxUp", &S::P_MaxUp, "3")
        .factory("3")
        .range(kByteRange)
        .control(numberEdit("edPModeMaxUp", "Max Up"))
        .refreshed(),
    pmode("P_MaxTry", &S::P_MaxTry, "2")
        .factory("2")
        .range(kByteRange)
        .control(numberEdit(objectName(Control::DialogPModeMaxTry), "Max Try"))
        .refreshed(),
    pmode("P_MaxError", &S::P_MaxError, "80")
        .factory("80")
        .range(kByteRange)
        .control(numberEdit("edPModeMaxError", "Max Error"))
        .refreshed(),
    pmode("P_MaxARQSum", &S::P_MaxARQSum, "30")
        .factory("30")
        .range(kByteRange)
        .control(numberEdit("edPModeMaxARQSum", "Max ARQ Sum"))
        .refreshed(),
    pmode("P_FECRepeats", &S::P_FECRepeats, "2")
        .factory("2")
        .range(kByteRange)
        .control(numberEdit("edPModeFECRepeats", "FEC Repeats"))
        .refreshed(),
    pmode("P_Huffman", &S::P_Huffman, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(onOffButtons("PModeHuffmanBox", "Huffman", "PModeHuffmanON", "PModeHuffmanOFF"))
        .refreshed(),

    baudot("B_TXEnable", &S::B_TXEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(transmitButtons("BaudotTransmitBox", objectName(Control::DialogBaudotTxEnable),
                                 objectName(Control::DialogBaudotTxDisable)))
        .refreshed(),
    baudot("B_TextEntry", &S::B_TextEntry, "WORD")
        .factory("WORD")
        .words(kTextEntries)
        .control(textEntryButtons("BaudotTextEntryBox", "BaudotTextEntryWord",
                                  "BaudotTextEntryChar", "BaudotTextEntryLine"))
        .refreshed(),
    baudot("B_Polarity", &S::B_Polarity, "NORM")
        .factory("NORM")
        .words(kNormRev)
        .control(
            polarityButtons("BaudotPolarityBox", "BaudotPolarityNormal", "BaudotPolarityReverse"))
        .refreshed(),
    baudot("B_EndOfLine", &S::B_EndOfLine, "CR LF LTRS")
        .factory("CR LF LTRS")
        .words(kFourEndsOfLine)
        .control(fourEndsOfLine("BaudotEndOfLineBox", "BaudotEOLCRLFLTRS", "BaudotEOLCR",
                                "BaudotEOLCRCRLF", "BaudotEOLCRLF"))
        .refreshed(),
    baudot("B_SyncIdle", &S::B_SyncIdle, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(onOffButtons("BaudotSyncIdleBox", "Sync Idle",
                              objectName(Control::DialogBaudotSyncOn),
                              objectName(Control::DialogBaudotSyncOff)))
        .refreshed(),
    baudot("B_USOS", &S::B_USOS, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(onOffButtons("BaudotUSOSBox", "USOS", objectName(Control::DialogBaudotUsosOn),
                              objectName(Control::DialogBaudotUsosOff)))
        .refreshed(),
    baudot("B_Rate", &S::B_Rate, "45")
        .factory("45")
        .words(kRates)
        .control(list(objectName(Control::DialogBaudotRate)))
        .refreshed(),
    baudot("B_CodeType", &S::B_CodeType, "US")
        .factory("US")
        .words({"US", "No2"})
        .control(buttons("BaudotCodeBox", "Code",
                         {{objectName(Control::DialogBaudotCodeUs), "US"},
                          {objectName(Control::DialogBaudotCodeNo2), "No2"}}))
        .refreshed(),
    baudot("B_PTTON", &S::B_PTTON, "20")
        .factory("20")
        .range(kByteRange)
        .control(numberEdit("edBaudotPTTON", "ON:"))
        .refreshed(),
    baudot("B_PTTOFF", &S::B_PTTOFF, "20")
        .factory("20")
        .range(kByteRange)
        .control(numberEdit("edBaudotPTTOFF", "OFF:"))
        .refreshed(),
    baudot("RXPolaritySameAsTX", &S::RXPolaritySameAsTX, "ON").words(kOnOff),

    ascii("S_TXEnable", &S::S_TXEnable, "ON")
        .factory("ON")
        .words(kOnOff)
        .control(transmitButtons("AsciiTransmitBox", objectName(Control::DialogAsciiTxEnable),
                                 objectName(Control::DialogAsciiTxDisable)))
        .refreshed(),
    ascii("S_TextEntry", &S::S_TextEntry, "WORD")
        .factory("WORD")
        .words(kTextEntries)
        .control(textEntryButtons("AsciiTextEntryBox", "AsciiTextEntryWord", "AsciiTextEntryChar",
                                  "AsciiTextEntryLine"))
        .refreshed(),
    ascii("S_Polarity", &S::S_Polarity, "NORM")
        .factory("NORM")
        .words(kNormRev)
        .control(polarityButtons("AsciiPolarityBox", "AsciiPolarityNormal", "AsciiPolarityReverse"))
        .refreshed(),
    ascii("S_EndOfLine", &S::S_EndOfLine, "CR LF")
        .factory("CR LF")
        .words(kTwoEndsOfLine)
        .control(buttons("AsciiEndOfLineBox", "End Of Line",
                         {{"AsciiEOLCR", "CR"}, {"AsciiEOLCRLF", "CR LF"}}))
        .refreshed(),
    ascii("S_SyncIdle", &S::S_SyncIdle, "ON")
        .factory("OFF")
        .words(kOnOff)
        .control(onOffButtons("AsciiSyncIdleBox", "Sync Idle",
                              objectName(Control::DialogAsciiSyncOn),
                              objectName(Control::DialogAsciiSyncOff)))
        .refreshed(),
    ascii("S_Rate", &S::S_Rate, "110")
        .factory("110")
        .words(kRates)
        .control(list("AsciiRateCombo"))
        .refreshed(),
    ascii("S_PTTON", &S::S_PTTON, "20")
        .factory("20")
        .range(kByteRange)
        .control(numberEdit("edAsciiPTTON", "ON:"))
        .refreshed(),
    ascii("S_PTTOFF", &S::S_PTTOFF, "20")
        .factory("20")
        .range(kByteRange)
        .control(numberEdit("edAsciiPTTOFF", "OFF:"))
        .refreshed(),

    tone("AMTORMark", &S::AMTORMark, "2125", objectName(Control::DialogAmtorMark), "MARK"),
    tone("AMTORSpace", &S::AMTORSpace, "2295", objectName(Control::DialogAmtorSpace), "SPACE"),
    toneLabel("AMTORCenter", &S::AMTORCenter, "2210", objectName(Control::DialogAmtorCenter),
              "Center"),
    toneLabel("AMTORShift", &S::AMTORShift, "170", objectName(Control::DialogAmtorShift), "Shift"),
    tone("BAUDOTMark", &S::BAUDOTMark, "2125", objectName(Control::DialogBaudotMark), "MARK"),
    tone("BAUDOTSpace", &S::BAUDOTSpace, "2295", objectName(Control::DialogBaudotSpace), "SPACE"),
    toneLabel("BAUDOTCenter", &S::BAUDOTCenter, "2210", objectName(Control::DialogBaudotCenter),
              "Center"),
    toneLabel("BAUDOTShift", &S::BAUDOTShift, "170", objectName(Control::DialogBaudotShift),
              "Shift"),
    tone("ASCIIMark", &S::ASCIIMark, "2125", objectName(Control::DialogAsciiMark), "MARK"),
    tone("ASCIISpace", &S::ASCIISpace, "2295", objectName(Control::DialogAsciiSpace), "SPACE"),
    toneLabel("ASCIICenter", &S::ASCIICenter, "2210", objectName(Control::DialogAsciiCenter),
              "Center"),
    toneLabel("ASCIIShift", &S::ASCIIShift, "170", objectName(Control::DialogAsciiShift), "Shift"),
    tone("PMODEFREQ1", &S::PMODEFREQ1, "2100", objectName(Control::DialogPModeFreq1), "Freq 1"),
    tone("PMODEFREQ2", &S::PMODEFREQ2, "2300", objectName(Control::DialogPModeFreq2), "Freq 2"),
    toneLabel("PMODECenter", &S::PMODECenter, "2200", objectName(Control::DialogPModeCenter),
              "Center"),
    toneLabel("PMODEShift", &S::PMODEShift, "200", objectName(Control::DialogPModeShift), "Shift"),
    fsk("Polarity", &S::Polarity, "NORM").factory("NORM").words(kNormRev),

    // The window placements default to what the screen allows.
    screen("MainLeft", &L::MainLeft, std::nullopt),
    screen("MainTop", &L::MainTop, std::nullopt),
    screen("MainWidth", &L::MainWidth, std::nullopt),
    screen("MainHeight", &L::MainHeight, std::nullopt),
    screen("TransmitHeight", &L::TransmitHeight, std::nullopt),
    screen("AmpTune", &L::AmpTune, std::nullopt),
    screen("AmpTuneLeft", &L::AmpTuneLeft, std::nullopt),
    screen("AmpTuneTop", &L::AmpTuneTop, std::nullopt),
    screen("FreqTune", &L::FreqTune, std::nullopt),
    screen("FreqTuneLeft", &L::FreqTuneLeft, std::nullopt),
    screen("FreqTuneTop", &L::FreqTuneTop, std::nullopt),
    screen("QuoralStat", &L::QuoralStat, std::nullopt),
    screen("QuoralStatLeft", &L::QuoralStatLeft, std::nullopt),
    screen("QuoralStatTop", &L::QuoralStatTop, std::nullopt),
    // The two font names default to what the panes show when the file is read.
    screen("ReceiveFont", &S::ReceiveFont, "Fixedsys"),
    screen("ReceiveTextColor", &S::ReceiveTextColor, "Black"),
    screen("ReceiveTextSize", &S::ReceiveTextSize, "10"),
    screen("EchoTextColor", &S::EchoTextColor, "Red"),
    screen("ReceiveColor", &S::ReceiveColor, "White"),
    screen("TransmitFont", &S::TransmitFont, "Fixedsys").blankLineBefore(),
    screen("TransmitTextColor", &S::TransmitTextColor, "Black"),
    screen("TransmitTextSize", &S::TransmitTextSize, "10"),
    screen("HighLightTextColor", &S::HighLightTextColor, "Gray"),
    screen("TransmitColor", &S::TransmitColor, "White"),
    screen("ReceiveScrollbackKB", &S::ReceiveScrollbackKB, "4096")
        .factory("4096")
        .range({64, 262144})
        .control(numberEdit("edScrollbackKB", "Receive pane keeps (KB)")),
};

} // namespace

std::span<const SettingDescriptor> settingDescriptors() {
    return kTable;
}

} // namespace orvane
