#pragma once

#include <ostream>
#include <sstream>
#include <string>

// What the modem receives when each mode is set up with the settings'
// defaults on hardware 8004, written out byte by byte.
namespace orvane::testing {

// "80 41 80 46" as the bytes themselves.
inline std::string wire(const std::string& hex) {
    std::istringstream in(hex);
    std::string bytes, token;
    while (in >> token)
        bytes.push_back(static_cast<char>(std::stoi(token, nullptr, 16)));
    return bytes;
}

// A first start on hardware 8004 with nothing but the mode in the settings.
inline const std::string kHandshake = "80 41 80 46 80 84 80 02 80 7B 80 78 80 A0 80 76 80 77 ";
inline const std::string kCommonSetup = "80 67 80 00 "              // SCAN_CONTROL continuous
                                        "80 45 "                    // CWID_OFF
                                        "80 E8 80 45 "              // PRINT_SQUELCH 69
                                        "80 63 80 04 "              // AF_CHANNEL 4
                                        "80 EE 80 07 "              // PARAM_EE 7
                                        "80 6C 80 01 80 6C 80 28 "; // AUDIO_LEVEL receive, transmit
inline const std::string kLevels =
    "80 DB 80 6C 80 01 80 6C 80 28 "; // FSK_POL_NORM, AUDIO_LEVEL twice
inline const std::string kMyCall =
    "80 13 80 4D 80 59 80 43 80 41 80 4C 80 4C 80 00 ";                 // SET_MYCALL "MYCALL"
inline const std::string kTones2125 = "80 EC 80 08 80 4D 80 08 80 F7 "; // FSK_TONES 2125 2295

struct ModeRow {
    const char* code;     // the Code setting
    const char* menuItem; // the Code menu item that repeats the set-up
    std::string setup;    // the set-up's bytes
    const char* panel0;
};

inline void PrintTo(const ModeRow& row, std::ostream* out) {
    *out << row.code;
}

inline const ModeRow kModes[] = {
    {"TOR", "mnuCodeAmtor",
     "80 41 80 46 80 84 80 81 " + kTones2125 + kLevels +
         "80 58 "                                     // LISTEN_ON: Listen is ON
         "80 59 80 5A 80 51 80 56 80 5D 80 EE 80 07 " // SW9 SW10 SW1 SW6 SW13 on, PARAM_EE 7
         "80 90 80 53 80 43 80 41 80 4C 80 4C 80 00 " // SET_MYCALL476 "SCALL"
         "80 91 80 53 80 45 80 4C 80 43 80 41 80 4C 80 4C 80 00 " // SET_MYCALL625 "SELCALL"
         "80 92 80 43 80 51 80 43 80 51 80 00 "                   // SET_GROUPCALL "CQCQ"
         "80 5B "                                                 // POL_NORM
         "80 E0 80 32 80 E1 80 0A 80 E9 80 20 80 EB 80 01 " // CD 50, TD 10, time-out 32, family 1
         "80 C2 80 C4",                                     // WRU off, upper case
     "TOR"},
    {"PMODE", "mnuCodePMode",
     "80 41 80 46 80 84 80 83 "
     "80 EC 80 08 80 34 80 08 80 FC " +
         kLevels +                                          // FSK_TONES 2100 2300
         "80 F0 80 02 80 F1 80 1E 80 F2 80 03 80 F3 80 02 " // F0 2, CS delay 30, up 3, try 2
         "80 F4 80 06 80 F5 80 50 80 F7 80 02 80 F8 80 1E " // down 6, error 80, FEC 2, ARQ sum 30
         "80 C9 80 EB 80 02 "                               // Huffman on, family 2
         "80 59 80 58 80 5D 80 5A 80 51 80 56 80 EE 80 07 "
         "80 58 " +
         kMyCall, // LISTEN_ON: Listen is ON
     "P-Mode"},
    {"BAUDOT", "mnuCodeBaudot",
     "80 41 80 46 80 4D 80 84 " + kTones2125 + kLevels +
         "80 E4 80 00 80 EB 80 00 80 C0 " // rate 45, family 0, US code
         "80 E3 80 14 80 ED 80 14 "       // PTT on and off 20
         "80 5D 80 5A 80 51 80 56 80 59 " // SW13 SW10 SW1 SW6 SW9 on
         "80 D3 80 D1 80 5B 80 5C " +
         kMyCall +      // USOS, sync idle, POL_NORM, RXPOL_SAME_ON
         "80 5C 80 85", // RXPOL_SAME_ON, MODE_BAUDOT
     "Baudot"},
    {"ASCII", "mnuCodeAscii",
     "80 41 80 46 80 4D 80 84 " + kTones2125 + kLevels +
         "80 EB 80 00 80 E3 80 14 80 ED 80 14 80 E5 80 05 " // family 0, PTT 20 and 20, rate 110
         "80 D1 80 5B 80 5C "                               // sync idle, POL_NORM, RXPOL_SAME_ON
         "80 59 80 5A 80 51 80 56 80 5D " +
         kMyCall + // SW9 SW10 SW1 SW6 SW13 on
         "80 86",  // MODE_ASCII
     "Ascii"},
    {"PSK31", "mnuCodePSK31", "80 41 80 46 80 4D 80 84", "PSK31"},
};

} // namespace orvane::testing
