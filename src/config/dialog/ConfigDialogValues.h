#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvane {

// What the configuration dialog's controls hold, without the widgets: the
// dialog shows these values and reads them back, and everything that fills,
// checks and applies them works on this plain record. Radio groups hold the
// word of their checked button ("" when none is checked), pairs of buttons a
// boolean for the first-named one, edits their text as typed.

// A page's two tone edits and the Center and Shift labels that follow them.
struct ToneValues {
    std::string first;
    std::string second;
    int center = 0;
    int shift = 0;
    bool operator==(const ToneValues&) const = default;
};

// One entry of the port list: what the list shows ("COM3") and the device
// it reaches, so that the operator can tell the ports apart.
struct PortChoice {
    std::string name;
    std::string device;
    bool operator==(const PortChoice&) const = default;
};

// The firmware and console versions on the General page.
struct VersionValues {
    std::string lod, s28, bootRom, productId, waveform, software;
    bool operator==(const VersionValues&) const = default;
};

struct GeneralValues {
    bool scanControlCont = true;
    bool cwidOn = false;
    bool echoAsSentOn = true;
    bool printerOn = false;
    std::vector<PortChoice> ports;
    std::string port; // the selected entry's name, "" for none
    bool listenOn = true;
    std::vector<std::string> rxGainItems;
    std::vector<std::string> txGainItems;
    std::string rxGain;
    std::string txGain;
    bool txGainShown = true;
    bool statusBarOn = true;
    int printSquelchLevel = 69;
    bool printSquelchOn = true;
    bool fskPolarityNormal = true;
    VersionValues versions;
    bool operator==(const GeneralValues&) const = default;
};

struct QuoralValues {
    std::string textEntry = "WORD"; // "WORD", "CHAR", "LINE"
    bool endOfLineCr = false;
    bool txEnable = true;
    int afChannel = 4; // 1 to 4, 0 for none
    std::string fecModulation = "BPSM";
    std::string codeEfficiencyLabel = "60%";
    std::string blockSizeLabel = "85";
    std::string autoBias = "NORMAL";
    bool connectNormal = false;
    std::string normalRetries = "30", robustRetries = "10", failRetries = "20", chatCount = "1";
    std::string crcMask1 = "00", crcMask2 = "00";
    bool operator==(const QuoralValues&) const = default;
};

struct AmtorValues {
    bool txEnable = true;
    std::string textEntry = "WORD";
    bool polarityNormal = true;
    std::string endOfLine = "CR LF LTRS"; // "CR LF LTRS", "CR", "CR CR LF", "CR LF"
    bool wruOn = false;
    bool letterCaseUpper = true;
    std::string timeOut = "32", td = "10", cd = "50";
    ToneValues tones{"2125", "2295", 2210, 170};
    bool operator==(const AmtorValues&) const = default;
};

struct PModeValues {
    bool txEnable = true;
    std::string textEntry = "WORD";
    bool endOfLineCrLf = true;
    bool huffmanOn = true;
    // CS delay, max down, max up, max try, max error, max ARQ sum, FEC repeats.
    std::array<std::string, 7> delays{"30", "6", "3", "2", "80", "30", "2"};
    ToneValues tones{"2100", "2300", 2200, 200};
    bool operator==(const PModeValues&) const = default;
};

struct BaudotValues {
    bool txEnable = true;
    std::string textEntry = "WORD";
    bool polarityNormal = true;
    std::string endOfLine = "CR LF LTRS";
    bool syncIdleOn = true;
    bool usosOn = true;
    bool codeUs = true;
    std::string rate = "45";
    std::string pttOn = "20", pttOff = "20";
    ToneValues tones{"2125", "2295", 2210, 170};
    bool operator==(const BaudotValues&) const = default;
};

struct AsciiValues {
    bool txEnable = true;
    std::string textEntry = "WORD";
    bool polarityNormal = true;
    std::string endOfLine = "CR LF"; // "CR", "CR LF"
    bool syncIdleOn = true;
    std::string rate = "110";
    std::string pttOn = "20", pttOff = "20";
    ToneValues tones{"2125", "2295", 2210, 170};
    bool operator==(const AsciiValues&) const = default;
};

// The hidden PSK31 page. The settings file does not keep these: the page's
// controls are their only memory.
struct Psk31Values {
    bool txEnable = true;
    std::string textEntry = "WORD";
    std::string pttOn = "20", pttOff = "20";
    bool afc = true;
    int squelch = 50; // 1 to 99
    bool operator==(const Psk31Values&) const = default;
};

struct MessageValues {
    std::string myCall, myCall476, myCall625, groupCall;
    std::vector<std::string> hisCallItems;
    std::string hisCall;
    std::vector<std::string> hisCall476Items;
    std::string hisCall476;
    std::string hereIs;       // the message editor's text
    std::string hereIsNumber = "0"; // "0" to "9", or "WRU"
    bool hereIsEdited = false;  // changed by the operator since it was loaded
    bool operator==(const MessageValues&) const = default;
};

// The page names, in the order of the page control.
namespace page {
inline constexpr const char* General = "GeneralSheet";
inline constexpr const char* Quoral = "QuoralSheet";
inline constexpr const char* Amtor = "AmtorSheet";
inline constexpr const char* PMode = "PModeSheet";
inline constexpr const char* Baudot = "BaudotSheet";
inline constexpr const char* Ascii = "AsciiSheet";
inline constexpr const char* Psk31 = "PSK31Sheet";
inline constexpr const char* Messages = "MessagesSheet";
} // namespace page

struct ConfigDialogValues {
    GeneralValues general;
    QuoralValues quoral;
    AmtorValues amtor;
    PModeValues pmode;
    BaudotValues baudot;
    AsciiValues ascii;
    Psk31Values psk31;
    MessageValues messages;

    std::string activePage = page::General;
    // The controls that must not change while a link is up, the modem
    // transmits or a broadcast runs.
    bool editLocked = false;
    // The own call-sign edits, disabled while a link is up.
    bool callSignsEnabled = true;
    // The port list was changed during this opening.
    bool comPortChanged = false;

    bool operator==(const ConfigDialogValues&) const = default;
};

} // namespace orvane
