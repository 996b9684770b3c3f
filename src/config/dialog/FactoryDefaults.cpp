#include "config/dialog/FactoryDefaults.h"

#include "config/Settings.h"

#include <tuple>

namespace orvane {

void setFactoryDefaults(Settings& s) {
    s.TXEnable = "EN";
    s.TextEntry = "WORD";
    s.EndOfLine = "CR LF";
    s.ScanControl = "CONT";
    s.CWID = "OFF";
    s.AFChannel = 4;
    s.EchoEnable = "ON";
    s.Printer = "OFF";
    s.PrintSquelchEnable = "ON";
    s.PrintSquelchSetting = 68;
    s.RXGain = 0;
    s.Listen = "ON";
    s.FECMod = "BPSM";
    s.FECCodeEff = 60;
    s.FECBlockSize = 85;
    s.AutoBias = "NORMAL";
    s.ConnectBias = "ROBUST";
    s.NormalRetry = 30;
    s.RobustRetry = 10;
    s.FailRetry = 20;
    s.ChatCount = 1;

    s.A_TXEnable = "ON";
    s.A_TextEntry = "WORD";
    s.A_Polarity = "NORM";
    s.A_EndOfLine = "CR LF LTRS";
    s.A_WRU = "OFF";
    s.A_TimeOut = 32;
    s.A_TD = 10;
    s.A_CD = 50;
    s.A_LetterCase = 'U';

    s.P_TXEnable = "ON";
    s.P_TextEntry = "WORD";
    s.P_EndOfLine = "CR LF";
    s.P_Huffman = "ON";
    s.P_CSDelay = 30;
    s.P_MaxDown = 6;
    s.P_MaxUp = 3;
    s.P_MaxTry = 2;
    s.P_MaxError = 80;
    s.P_MaxARQSum = 30;
    s.P_FECRepeats = 2;

    s.B_TXEnable = "ON";
    s.B_TextEntry = "WORD";
    s.B_Polarity = "NORM";
    s.B_EndOfLine = "CR LF LTRS";
    s.B_SyncIdle = "ON";
    s.B_USOS = "ON";
    s.B_CodeType = "US";
    s.B_Rate = 45;
    s.B_PTTON = 20;
    s.B_PTTOFF = 20;

    s.S_TXEnable = "ON";
    s.S_TextEntry = "WORD";
    s.S_Polarity = "NORM";
    s.S_EndOfLine = "CR LF";
    s.S_SyncIdle = "OFF";
    s.S_Rate = 110;
    s.S_PTTON = 20;
    s.S_PTTOFF = 20;

    for (auto [mark, space, center, shift] :
         {std::tuple{&s.AMTORMark, &s.AMTORSpace, &s.AMTORCenter, &s.AMTORShift},
          std::tuple{&s.BAUDOTMark, &s.BAUDOTSpace, &s.BAUDOTCenter, &s.BAUDOTShift},
          std::tuple{&s.ASCIIMark, &s.ASCIISpace, &s.ASCIICenter, &s.ASCIIShift}}) {
        *mark = 2125;
        *space = 2295;
        *center = 2210;
        *shift = 170;
    }
    s.PMODEFREQ1 = 2100;
    s.PMODEFREQ2 = 2300;
    s.PMODECenter = 2200;
    s.PMODEShift = 200;
    s.Polarity = "NORM";
}

} // namespace orvane
