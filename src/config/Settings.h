#pragma once

#include <string>

namespace orvane {

// The operator's configuration as the console holds it, one field per key of
// Config/orvane.ini, each named after its key. The initial values are the
// defaults used for keys the file does not have.
//
// Where the file's text is converted on reading, the field holds the result:
// RXGain and TXGain hold gain codes, Code holds the OperatingMode value, and
// the key ComPort is held as the whole port name PortName ("COM" + value).
struct Settings {
    // [callsigns]
    std::string MYCALL = "MYCALL";
    std::string HISCALL = "HISCALL";
    std::string HISCALLLIST = "HISCALL";
    std::string MYCALL476 = "SCALL";
    std::string HISCALL476 = "SCALL";
    std::string HISCALL476LIST = "SCALL";
    std::string MYCALL625 = "SELCALL";
    std::string HISCALL625 = "SELCALL";
    std::string GROUPCALL = "CQCQ";

    // [system]
    std::string TXEnable = "EN";
    std::string TextEntry = "WORD";
    std::string EndOfLine = "CR LF";
    std::string ScanControl = "CONT";
    std::string CWID = "OFF";
    int AFChannel = 4;
    std::string EchoEnable = "ON";
    std::string Printer = "OFF";
    std::string PrintSquelchEnable = "ON";
    int PrintSquelchSetting = 69;
    std::string PortName = "COM"; // key ComPort
    std::string Listen = "ON";
    int RXGain = 1;  // the code of "+0dB"
    int TXGain = 40; // the code of "+0dB"
    std::string FSKPol = "NORM";
    bool StatusBar = true;
    bool ToolBar = true;
    int Code = 1; // QUORAL

    // [fec]
    std::string FECMod = "BPSM";
    int FECCodeEff = 60;
    int FECBlockSize = 60;

    // [adaptive arq]
    std::string AutoBias = "NORMAL";
    std::string ConnectBias = "ROBUST";
    int NormalRetry = 30;
    int RobustRetry = 10;
    int FailRetry = 20;
    int ChatCount = 1;

    // [amtor]
    std::string A_TXEnable = "ON";
    std::string A_TextEntry = "WORD";
    std::string A_Polarity = "NORM";
    std::string A_EndOfLine = "CR LF LTRS";
    std::string A_WRU = "OFF";
    int A_TimeOut = 32;
    int A_TD = 10;
    int A_CD = 50;
    char A_LetterCase = 'U';

    // [pmode]
    std::string P_TXEnable = "ON";
    std::string P_TextEntry = "WORD";
    std::string P_EndOfLine = "CR LF";
    int P_CSDelay = 30;
    int P_MaxDown = 6;
    int P_MaxUp = 3;
    int P_MaxTry = 2;
    int P_MaxError = 80;
    int P_MaxARQSum = 30;
    int P_FECRepeats = 2;
    std::string P_Huffman = "ON";

    // [baudot]
    std::string B_TXEnable = "ON";
    std::string B_TextEntry = "WORD";
    std::string B_Polarity = "NORM";
    std::string B_EndOfLine = "CR LF LTRS";
    std::string B_SyncIdle = "ON";
    std::string B_USOS = "ON";
    int B_Rate = 45;
    std::string B_CodeType = "US";
    int B_PTTON = 20;
    int B_PTTOFF = 20;
    bool RXPolaritySameAsTX = true;

    // [ascii]
    std::string S_TXEnable = "ON";
    std::string S_TextEntry = "WORD";
    std::string S_Polarity = "NORM";
    std::string S_EndOfLine = "CR LF";
    std::string S_SyncIdle = "ON";
    int S_Rate = 110;
    int S_PTTON = 20;
    int S_PTTOFF = 20;

    // [fsk], tones in Hz
    int AMTORMark = 2125;
    int AMTORSpace = 2295;
    int AMTORCenter = 2210;
    int AMTORShift = 170;
    int BAUDOTMark = 2125;
    int BAUDOTSpace = 2295;
    int BAUDOTCenter = 2210;
    int BAUDOTShift = 170;
    int ASCIIMark = 2125;
    int ASCIISpace = 2295;
    int ASCIICenter = 2210;
    int ASCIIShift = 170;
    int PMODEFREQ1 = 2100;
    int PMODEFREQ2 = 2300;
    int PMODECenter = 2200;
    int PMODEShift = 200;
    std::string Polarity = "NORM";

    // [screen]: the panes' fonts and colours (colours by name). The two font
    // names default to what the panes show when the file is read.
    std::string ReceiveFont = "Fixedsys";
    std::string ReceiveTextColor = "Black";
    int ReceiveTextSize = 10;
    std::string EchoTextColor = "Red";
    std::string ReceiveColor = "White";
    std::string TransmitFont = "Fixedsys";
    std::string TransmitTextColor = "Black";
    int TransmitTextSize = 10;
    std::string HighLightTextColor = "Gray";
    std::string TransmitColor = "White";

    bool operator==(const Settings&) const = default;
};

} // namespace orvane
