#include "configure/TakeIntoSettings.h"

#include "config/Settings.h"
#include "configure/CallSignList.h"
#include "configure/InputRules.h"
#include "modes/ModeContext.h"
#include "protocol/AudioLevel.h"

namespace orvane {
namespace {

std::string textEntryWord(const std::string& checked) {
    return checked == "WORD" || checked == "CHAR" ? checked : "LINE";
}

// A text in no row leaves the code.
void takeGains(const GeneralValues& general, Settings& s, bool hasTransmitLevel) {
    if (auto code = receiveGainCode(general.rxGain)) s.RXGain = *code;
    if (!hasTransmitLevel) return;
    if (auto code = transmitGainCode(general.txGain)) s.TXGain = *code;
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

void takeDialogValues(const ConfigDialogValues& values, Settings& settings, bool hasTransmitLevel,
                      Psk31Choices& psk31, CrcMask& crcMask) {
    takeSettings(values.settings, settings);
    takeGains(values.general, settings, hasTransmitLevel);
    if (values.comPortChanged && !values.general.port.empty())
        settings.PortName = values.general.port;
    psk31.txEnable = values.psk31.txEnable ? "ON" : "OFF";
    psk31.textEntry = textEntryWord(values.psk31.textEntry);
    psk31.pttOnDelay = leadingNumber(values.psk31.pttOn);
    psk31.pttOffDelay = leadingNumber(values.psk31.pttOff);
    psk31.afc = values.psk31.afc;
    psk31.squelch = values.psk31.squelch;
    crcMask.first = values.quoral.crcMask1.empty() ? "00" : values.quoral.crcMask1;
    crcMask.second = values.quoral.crcMask2.empty() ? "00" : values.quoral.crcMask2;
    takeCallSigns(values.messages, settings);
}

} // namespace orvane
