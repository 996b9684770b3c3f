#include "config/dialog/TakeIntoSettings.h"

#include "config/Settings.h"
#include "config/dialog/CallSignList.h"
#include "config/dialog/DialogOpening.h"
#include "config/dialog/FskSettingsFields.h"
#include "config/dialog/InputRules.h"
#include "modes/ModeContext.h"
#include "protocol/AudioLevel.h"

namespace orvane {
namespace {

std::string onOff(bool on) {
    return on ? "ON" : "OFF";
}

std::string normRev(bool normal) {
    return normal ? "NORM" : "REV";
}

void takeWord(std::string& field, const std::string& checked) {
    if (!checked.empty()) field = checked;
}

void takeTones(const ToneValues& tones, int& first, int& second, int& center, int& shift) {
    first = leadingNumber(tones.first);
    second = leadingNumber(tones.second);
    center = tones.center;
    shift = tones.shift;
}

void takeGeneral(const GeneralValues& general, Settings& s, bool hasTransmitLevel) {
    s.ScanControl = general.scanControlCont ? "CONT" : "PULSE";
    s.CWID = onOff(general.cwidOn);
    s.Printer = onOff(general.printerOn);
    s.Listen = onOff(general.listenOn);
    if (auto code = receiveGainCode(general.rxGain)) s.RXGain = *code;
    if (hasTransmitLevel)
        if (auto code = transmitGainCode(general.txGain)) s.TXGain = *code;
    s.StatusBar = general.statusBarOn;
    s.PrintSquelchSetting = general.printSquelchLevel;
    s.PrintSquelchEnable = onOff(general.printSquelchOn);
    s.FSKPol = general.fskPolarityNormal ? "NORM" : "REV";
}

void takeQuoral(const ConfigDialogValues& values, Settings& s) {
    const QuoralValues& quoral = values.quoral;
    s.TXEnable = quoral.txEnable ? "EN" : "OFF";
    s.EndOfLine = quoral.endOfLineCr ? "CR" : "CR LF";
    s.TextEntry = quoral.textEntry == "WORD" || quoral.textEntry == "CHAR" ? quoral.textEntry : "LINE";
    s.EchoEnable = onOff(values.general.echoAsSentOn);
    if (quoral.afChannel >= 1 && quoral.afChannel <= 4) s.AFChannel = quoral.afChannel;
    if (const int blockSize = fecBlockSize(quoral.fecModulation)) {
        s.FECMod = quoral.fecModulation;
        s.FECCodeEff = 60;
        s.FECBlockSize = blockSize;
    }
    takeWord(s.AutoBias, quoral.autoBias);
    s.ConnectBias = quoral.connectNormal ? "NORMAL" : "ROBUST";
    s.NormalRetry = leadingNumber(quoral.normalRetries);
    s.RobustRetry = leadingNumber(quoral.robustRetries);
    s.FailRetry = leadingNumber(quoral.failRetries);
    s.ChatCount = leadingNumber(quoral.chatCount);
}

std::string textEntryWord(const std::string& checked) {
    return checked == "WORD" || checked == "CHAR" ? checked : "LINE";
}

// What the Baudot and ASCII pages give alike.
template <class FskValues>
void takeFsk(const FskValues& page, const FskSettingsFields& s) {
    s.txEnable = onOff(page.txEnable);
    s.textEntry = textEntryWord(page.textEntry);
    s.polarity = normRev(page.polarityNormal);
    takeWord(s.endOfLine, page.endOfLine);
    s.syncIdle = onOff(page.syncIdleOn);
    s.rate = leadingNumber(page.rate);
    s.pttOn = leadingNumber(page.pttOn);
    s.pttOff = leadingNumber(page.pttOff);
}

void takeModePages(const ConfigDialogValues& values, Settings& s) {
    const AmtorValues& amtor = values.amtor;
    s.A_TXEnable = onOff(amtor.txEnable);
    s.A_TextEntry = textEntryWord(amtor.textEntry);
    s.A_Polarity = normRev(amtor.polarityNormal);
    s.A_LetterCase = amtor.letterCaseUpper ? 'U' : 'L';
    takeWord(s.A_EndOfLine, amtor.endOfLine);
    s.A_WRU = onOff(amtor.wruOn);
    takeTones(amtor.tones, s.AMTORMark, s.AMTORSpace, s.AMTORCenter, s.AMTORShift);
    s.A_TimeOut = leadingNumber(amtor.timeOut);
    s.A_TD = leadingNumber(amtor.td);
    s.A_CD = leadingNumber(amtor.cd);

    const BaudotValues& baudot = values.baudot;
    takeFsk(baudot, baudotFields(s));
    s.B_USOS = onOff(baudot.usosOn);
    s.B_CodeType = baudot.codeUs ? "US" : "No2";
    takeTones(baudot.tones, s.BAUDOTMark, s.BAUDOTSpace, s.BAUDOTCenter, s.BAUDOTShift);

    const AsciiValues& ascii = values.ascii;
    takeFsk(ascii, asciiFields(s));
    takeTones(ascii.tones, s.ASCIIMark, s.ASCIISpace, s.ASCIICenter, s.ASCIIShift);

    const PModeValues& pmode = values.pmode;
    s.P_TXEnable = onOff(pmode.txEnable);
    s.P_TextEntry = textEntryWord(pmode.textEntry);
    s.P_EndOfLine = pmode.endOfLineCrLf ? "CR LF" : "CR";
    s.P_Huffman = onOff(pmode.huffmanOn);
    int* delays[] = {&s.P_CSDelay, &s.P_MaxDown,   &s.P_MaxUp,     &s.P_MaxTry,
                     &s.P_MaxError, &s.P_MaxARQSum, &s.P_FECRepeats};
    for (std::size_t i = 0; i < pmode.delays.size(); ++i)
        *delays[i] = leadingNumber(pmode.delays[i]);
    takeTones(pmode.tones, s.PMODEFREQ1, s.PMODEFREQ2, s.PMODECenter, s.PMODEShift);
}

void takeCallSigns(const MessageValues& messages, Settings& s) {
    s.MYCALL = messages.myCall;
    s.MYCALL476 = messages.myCall476;
    s.MYCALL625 = messages.myCall625;
    s.GROUPCALL = messages.groupCall;
    s.HISCALLLIST = joinCallList(messages.hisCallItems);
    s.HISCALL = messages.hisCall;
    s.HISCALL476LIST = joinCallList(messages.hisCall476Items);
    s.HISCALL476 = messages.hisCall476;
}

} // namespace

void takeDialogValues(const ConfigDialogValues& values, Settings& settings,
                      bool hasTransmitLevel, Psk31Choices& psk31) {
    takeGeneral(values.general, settings, hasTransmitLevel);
    if (values.comPortChanged && !values.general.port.empty()) settings.PortName = values.general.port;
    takeQuoral(values, settings);
    takeModePages(values, settings);
    psk31.txEnable = onOff(values.psk31.txEnable);
    psk31.textEntry = textEntryWord(values.psk31.textEntry);
    psk31.pttOnDelay = leadingNumber(values.psk31.pttOn);
    psk31.pttOffDelay = leadingNumber(values.psk31.pttOff);
    psk31.afc = values.psk31.afc;
    psk31.squelch = values.psk31.squelch;
    takeCallSigns(values.messages, settings);
}

} // namespace orvane
