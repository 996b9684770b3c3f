#pragma once

#include "configure/SettingControls.h"
#include "controls/Control.h"

#include <string>
#include <vector>

namespace orvane {

// What the configuration dialog's controls hold, without the widgets: the
// dialog shows these values and reads them back, and everything that fills,
// checks and applies them works on this plain record. The controls of the
// settings the settings table describes are in `settings`; the others are
// here by page: pairs of buttons a boolean for the first-named one, edits
// their text as typed.

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
    std::vector<PortChoice> ports;
    std::string port; // the selected entry's name, "" for none
    bool listenOn = true;
    std::vector<std::string> rxGainItems;
    std::vector<std::string> txGainItems;
    std::string rxGain;
    std::string txGain;
    bool txGainShown = true;
    VersionValues versions;
    bool operator==(const GeneralValues&) const = default;
};

// The CRC mask lists of the Quoral page (hidden).
struct QuoralValues {
    std::string crcMask1 = "00", crcMask2 = "00";
    bool operator==(const QuoralValues&) const = default;
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
    std::string hereIs;             // the message editor's text
    std::string hereIsNumber = "0"; // "0" to "9", or "WRU"
    bool hereIsEdited = false;      // changed by the operator since it was loaded
    bool operator==(const MessageValues&) const = default;
};

struct ConfigDialogValues {
    SettingControls settings;
    GeneralValues general;
    QuoralValues quoral;
    Psk31Values psk31;
    MessageValues messages;

    Control activePage = Control::DialogGeneralPage;
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
