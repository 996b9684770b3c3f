#pragma once

#include <string>

namespace orvane {

// The operator's configuration as the console holds it, one field per key of
// Config/orvane.ini, each named after its key. Each is declared, with its
// default, in the settings table (SettingsTable.cpp); a new Settings holds
// every default.
//
// Where the file's text is converted on reading, the field holds the result:
// RXGain and TXGain hold gain codes, Code holds the OperatingMode value, and
// the key ComPort is held as the whole port name PortName ("COM" + value).
struct Settings {
    Settings();

    // [callsigns]
    std::string MYCALL;
    std::string HISCALL;
    std::string HISCALLLIST;
    std::string MYCALL476;
    std::string HISCALL476;
    std::string HISCALL476LIST;
    std::string MYCALL625;
    std::string HISCALL625;
    std::string GROUPCALL;

    // [system]
    std::string TXEnable;
    std::string TextEntry;
    std::string EndOfLine;
    std::string ScanControl;
    std::string CWID;
    int AFChannel{};
    std::string EchoEnable;
    std::string Printer;
    std::string PrintSquelchEnable;
    int PrintSquelchSetting{};
    std::string PortName; // key ComPort
    std::string Listen;
    int RXGain{}; // a gain code
    int TXGain{}; // a gain code
    std::string FSKPol;
    bool StatusBar{};
    bool ToolBar{};
    int Code{}; // an OperatingMode
    // A binary receive that gets no data for this many seconds is aborted.
    int ReceiveStallSeconds{};

    // [fec]
    std::string FECMod;
    int FECCodeEff{};
    int FECBlockSize{};

    // [adaptive arq]
    std::string AutoBias;
    std::string ConnectBias;
    int NormalRetry{};
    int RobustRetry{};
    int FailRetry{};
    int ChatCount{};

    // [amtor]
    std::string A_TXEnable;
    std::string A_TextEntry;
    std::string A_Polarity;
    std::string A_EndOfLine;
    std::string A_WRU;
    int A_TimeOut{};
    int A_TD{};
    int A_CD{};
    char A_LetterCase{};

    // [pmode]
    std::string P_TXEnable;
    std::string P_TextEntry;
    std::string P_EndOfLine;
    int P_CSDelay{};
    int P_MaxDown{};
    int P_MaxUp{};
    int P_MaxTry{};
    int P_MaxError{};
    int P_MaxARQSum{};
    int P_FECRepeats{};
    std::string P_Huffman;

    // [baudot]
    std::string B_TXEnable;
    std::string B_TextEntry;
    std::string B_Polarity;
    std::string B_EndOfLine;
    std::string B_SyncIdle;
    std::string B_USOS;
    int B_Rate{};
    std::string B_CodeType;
    int B_PTTON{};
    int B_PTTOFF{};
    bool RXPolaritySameAsTX{};

    // [ascii]
    std::string S_TXEnable;
    std::string S_TextEntry;
    std::string S_Polarity;
    std::string S_EndOfLine;
    std::string S_SyncIdle;
    int S_Rate{};
    int S_PTTON{};
    int S_PTTOFF{};

    // [fsk], tones in Hz
    int AMTORMark{};
    int AMTORSpace{};
    int AMTORCenter{};
    int AMTORShift{};
    int BAUDOTMark{};
    int BAUDOTSpace{};
    int BAUDOTCenter{};
    int BAUDOTShift{};
    int ASCIIMark{};
    int ASCIISpace{};
    int ASCIICenter{};
    int ASCIIShift{};
    int PMODEFREQ1{};
    int PMODEFREQ2{};
    int PMODECenter{};
    int PMODEShift{};
    std::string Polarity;

    // [screen]: the panes' fonts and colours (colours by name).
    std::string ReceiveFont;
    std::string ReceiveTextColor;
    int ReceiveTextSize{};
    std::string EchoTextColor;
    std::string ReceiveColor;
    std::string TransmitFont;
    std::string TransmitTextColor;
    int TransmitTextSize{};
    std::string HighLightTextColor;
    std::string TransmitColor;
    // How much received text the receive pane keeps, in KB; the session log keeps all.
    int ReceiveScrollbackKB{};

    bool operator==(const Settings&) const = default;
};

} // namespace orvane
