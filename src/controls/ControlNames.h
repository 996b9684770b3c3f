#pragma once

#include "controls/Control.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orvane {

struct ControlName {
    Control control;
    std::string_view objectName;
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Count);

// The object name of each control, in the order of the enum. Several controls
// of different windows share a name (Button2, CWIDBox): each window is
// searched on its own.
inline constexpr std::array<ControlName, kControlCount> kControlNames{{
    // The main window and its panes.
    {Control::MainWindow, "Form1"},
    {Control::PaneSplitter, "Splitter2"},
    {Control::ReceivePane, "reRXData"},
    {Control::TransmitPane, "reTXData"},
    {Control::StatusBar, "StatusBar1"},
    {Control::ModePanel, "StatusPanel0"},
    {Control::LinkPanel, "StatusPanel1"},
    {Control::EventPanel, "StatusPanel2"},
    {Control::StationPanel, "StatusPanel3"},
    {Control::RatePanel, "StatusPanel4"},
    {Control::FormatPanel, "StatusPanel5"},
    {Control::EntryPanel, "StatusPanel6"},
    {Control::SetupPanel, "StatusPanel7"},
    {Control::ClockPanel, "StatusPanel8"},

    // Files menu.
    {Control::FilesMenu, "mnuFiles"},
    {Control::SaveReceivedItem, "mnuFilesSaveRX"},
    {Control::StopSaveSendItem, "mnuFilesStopSaveSend"},
    {Control::SaveStatisticsItem, "mnuFilesSaveStatistics"},
    {Control::Separator1, "N1"},
    {Control::SendTextFileItem, "mnuFilesSendtextfile"},
    {Control::SendBinaryFileItem, "mnuFilesSendBinaryFile"},
    {Control::Separator2, "N2"},
    {Control::PrintReceivedItem, "mnuFilesPrintCont"},
    {Control::PrintSetupItem, "PrintSetup1"},
    {Control::Separator3, "N3"},
    {Control::LoadFirmwareItem, "mnuFilesLoadFirmware"},
    {Control::Separator4, "N4"},
    {Control::ExitItem, "mnuFilesExit"},

    // Edit menu.
    {Control::EditMenu, "Edit1"},
    {Control::UndoItem, "Undo1"},
    {Control::CutItem, "Cut1"},
    {Control::CopyItem, "Copy1"},
    {Control::PasteItem, "Paste1"},
    {Control::SelectAllItem, "selectAll1"},

    // Views menu.
    {Control::ViewMenu, "mnuView"},
    {Control::ToolBarItem, "mnuViewToolBar"},
    {Control::StatusBarItem, "mnuViewStatusBar"},
    {Control::Separator5, "N5"},
    {Control::AmplitudeTuneItem, "mnuViewAmpTune"},
    {Control::FrequencyTuneItem, "mnuViewFreqTune"},
    {Control::QuoralStatisticsItem, "mnuViewQuoralStat"},
    {Control::Separator10, "N10"},
    {Control::SoundCardTuneItem, "mnuSoundCardTune"},
    {Control::Separator6, "N6"},
    {Control::EchoItem, "mnuViewEchoData"},
    {Control::Separator12, "N12"},
    {Control::SessionLogItem, "mnuViewSessionLog"},
    {Control::TodaysLogItem, "mnuViewTodaysLog"},

    // Configure menu.
    {Control::ConfigureMenu, "mnuConfigure"},
    {Control::ConfigurationPagesItem, "ConfigurationPages1"},
    {Control::StationSetupItem, "mnuStationSetup"},
    {Control::ScreenSettingsItem, "mnuConfigureScreenSettings"},
    {Control::Separator7, "N7"},
    {Control::SaveConfigurationItem, "saveconfig"},

    // Code menu.
    {Control::CodeMenu, "mnuCode"},
    {Control::QuoralItem, "mnuCodeQuoral"},
    {Control::AmtorItem, "mnuCodeAmtor"},
    {Control::PModeItem, "mnuCodePMode"},
    {Control::BaudotItem, "mnuCodeBaudot"},
    {Control::AsciiItem, "mnuCodeAscii"},
    {Control::Separator11, "N11"},
    {Control::Psk31Item, "mnuCodePSK31"},

    // Special menu.
    {Control::SpecialMenu, "mnuSpecial"},
    {Control::ClearReceiveItem, "mnuSpecialClearRX"},
    {Control::ClearTransmitItem, "mnuSpecialClearTX"},
    {Control::ClearAllItem, "mnuSpecialClearAll"},
    {Control::Separator8, "N8"},
    {Control::TestTonesItem, "mnuSpecialTest"},

    // Link menu.
    {Control::LinkMenu, "mnuLink"},
    {Control::LinkConnectItem, "mnuLinkConnect"},
    {Control::LinkDisconnectItem, "mnuLinkDisconnect"},
    {Control::LinkCallCqItem, "mnuLinkCallCQ"},
    {Control::LinkPanicItem, "mnuLinkPanic"},
    {Control::Separator13, "N13"},
    {Control::LinkCwIdItem, "mnuLinkCWID"},
    {Control::LinkTxEnableItem, "mnuLinkTXEnable"},
    {Control::LinkTestTonesItem, "mnuLinkTestTones"},

    // Help menu.
    {Control::HelpMenu, "mnuHelp"},
    {Control::UserGuideItem, "mnuHelpUserGuide"},
    {Control::HotKeysItem, "mnuHelpContents"},
    {Control::SaveTraceItem, "mnuHelpSaveTrace"},
    {Control::AboutItem, "About1"},

    // The receive pane's call sign menu.
    {Control::CallSignMenu, "CallSignPopup"},
    {Control::AddToHisCallListItem, "AddtoHisCallList1"},
    {Control::CallThisCallSignItem, "Makecalltothiscallsign1"},

    // The Quoral toolbar.
    {Control::QuoralToolbar, "QORToolBar"},
    {Control::QuoralConnect, "butQORConnect"},
    {Control::QuoralDisconnect, "butQORDisconnect"},
    {Control::QuoralPanic, "butQORPanic"},
    {Control::QuoralFec, "butQORFEC"},
    {Control::QuoralCallCq, "butQORCallCQ"},
    {Control::QuoralMonitor, "butQORMonitor"},
    {Control::QuoralTxEnable, "butQORTXEnable"},
    {Control::QuoralMsg0, "butQORMsg0"},
    {Control::QuoralMsgPlus, "butQORMsgPlus"},
    {Control::QuoralDeMy, "butQORdeMY"},
    {Control::QuoralHisDeMy, "butQORHisDeMY"},
    {Control::QuoralFoxes, "butQORFoxes"},

    // The AMTOR toolbar.
    {Control::AmtorToolbar, "AmtorToolBar"},
    {Control::AmtorConnect, "butAmtorConnect"},
    {Control::AmtorDisconnect, "butAmtorDisconnect"},
    {Control::AmtorPanic, "butAmtorPanic"},
    {Control::AmtorOver, "butAmtorOver"},
    {Control::AmtorForcedOver, "butAmtorForcedOver"},
    {Control::AmtorFec, "butAmtorFEC"},
    {Control::AmtorCallCq, "butAmtorCallCQ"},
    {Control::AmtorMonitor, "butAmtorMonitor"},
    {Control::AmtorNormRev, "butAmtorNormRev"},
    {Control::AmtorTxEnable, "butAmtorTXEnable"},
    {Control::AmtorHisDeMy, "butAmtorHISdeMY"},
    {Control::AmtorFoxes, "butAmtorFoxes"},

    // The P-Mode toolbar.
    {Control::PModeToolbar, "PModeToolBar"},
    {Control::PModeConnect, "butPModeConnect"},
    {Control::PModeDisconnect, "butPModeDisconnect"},
    {Control::PModePanic, "butPModePanic"},
    {Control::PModeOver, "butPModeOver"},
    {Control::PModeForcedOver, "butPModeForcedOver"},
    {Control::PModeFec, "butPModeFEC"},
    {Control::PModeCallCq, "butPModeCallCQ"},
    {Control::PModeMonitor, "butPModeMonitor"},
    {Control::PModeTxEnable, "butPModeTXEnable"},
    {Control::PModeDeMy, "butPModeDeMY"},
    {Control::PModeHisDeMy, "butPModeHISdeMY"},
    {Control::PModeFoxes, "butPModeFoxes"},

    // The Baudot toolbar.
    {Control::BaudotToolbar, "BaudotToolBar"},
    {Control::BaudotConnect, "butBaudotConnect"},
    {Control::BaudotPanic, "butBaudotPanic"},
    {Control::BaudotFec, "butBaudotFEC"},
    {Control::BaudotRttyRate, "butBaudotRttyRate"},
    {Control::BaudotMonitor, "butBaudotMonitor"},
    {Control::BaudotNormRev, "butBaudotNormRev"},
    {Control::BaudotTxEnable, "butBaudotTXEnable"},
    {Control::BaudotDeMy, "butBaudotDeMY"},
    {Control::BaudotHisDeMy, "butBaudotHISdeMY"},
    {Control::BaudotFoxes, "butBaudotFoxes"},

    // The ASCII toolbar.
    {Control::AsciiToolbar, "AsciiToolBar"},
    {Control::AsciiConnect, "butAsciiConnect"},
    {Control::AsciiPanic, "butAsciiPanic"},
    {Control::AsciiRttyRate, "butAsciiRttyRate"},
    {Control::AsciiMonitor, "butAsciiMonitor"},
    {Control::AsciiNormRev, "butAsciiNormRev"},
    {Control::AsciiTxEnable, "butAsciiTXEnable"},
    {Control::AsciiDeMy, "butAsciiDeMY"},
    {Control::AsciiHisDeMy, "butAsciiHISdeMY"},
    {Control::AsciiFoxes, "butAsciiFoxes"},

    // The PSK31 toolbar.
    {Control::Psk31Toolbar, "PSKToolBar"},
    {Control::Psk31TxEnable, "butPSKTXEnable"},

    // Notices laid over the main window.
    {Control::DisconnectPanel, "DisconnectPanel"},
    {Control::PanicPanel, "PanicPanel"},
    {Control::HardwareResetPanel, "HardwareResetPanel"},
    {Control::OverBox, "OverBox"},
    {Control::CwIdBox, "CWIDBox"},

    // The FAX transfer panel.
    {Control::FaxPanel, "FAXTransferPanel"},
    {Control::FaxTitle, "FAXTransferLabel"},
    {Control::FaxSizeCaption, "Label3"},
    {Control::FaxTotalBytes, "FAXTotalBytes"},
    {Control::FaxSentCaption, "FAXSentLabel"},
    {Control::FaxReceivedCaption, "FAXReceiveLabel"},
    {Control::FaxReceivedBytes, "FAXReceivedBytes"},
    {Control::FaxProgress, "FAXProgress"},
    {Control::FaxStatus, "FAXStatusLabel"},
    {Control::FaxElapsedTime, "FAXElapsedTime"},
    {Control::FaxTransferRate, "FAXTransferRate"},

    // The firmware download panel.
    {Control::FirmwarePanel, "pnlFWDownload"},
    {Control::FirmwareFileName, "FileNameBox"},
    {Control::FirmwareGauge, "DownloadGauge"},
    {Control::FirmwareAbort, "Button20"},

    // The call panel.
    {Control::CallPanel, "CallPanel"},
    {Control::CallBevel, "CallBevel"},
    {Control::CallBox, "CallBox"},
    {Control::CallAdaptive, "butLongPath"},
    {Control::CallManual, "butShortPath"},
    {Control::CallFormatFrame, "Panel1"},
    {Control::CallFormatList, "WaveFormatList"},
    {Control::CallCodeEfficiency, "CELabel"},
    {Control::CallBlockSize, "BSLabel"},
    {Control::CallBaseRate, "BRLabel"},
    {Control::CallActualRate, "ALabel"},
    {Control::CallStart, "butCall"},
    {Control::CallCancel, "CancelBtn"},

    // The Here-IS panel.
    {Control::HereIsPanel, "HereIsPanel"},
    {Control::HereIsSelector, "HereIsSelector"},
    {Control::HereIsNumber, "edHereIsNumber"},
    {Control::HereIsText, "edHereIs"},
    {Control::HereIsSend, "Button4"},
    {Control::HereIsCancel, "Button5"},

    // The tone test box.
    {Control::ToneTestBox, "ToneTestBox"},
    {Control::ToneList, "ToneBox"},
    {Control::ToneTestCancel, "butTestCancel"},

    // The binary file transfer panel.
    {Control::TransferPanel, "FileXferPanel"},
    {Control::TransferTitle, "XferLabel"},
    {Control::TransferFileName, "XferFileName"},
    {Control::TransferFileSize, "XferFileSize"},
    {Control::TransferCompressedSize, "XferCompSize"},
    {Control::TransferMethod, "XferCompMethod"},
    {Control::TransferBytes, "XferBytes"},
    {Control::TransferTime, "XferTime"},
    {Control::TransferRate, "XferTput"},
    {Control::TransferGauge, "XferGauge"},
    {Control::TransferResult, "CompleteFail"},
    {Control::TransferReason, "XferFailReason"},
    {Control::TransferButton, "butXferAbort"},

    // The broadcast panels.
    {Control::FecModePanel, "FECModePanel"},
    {Control::FecModeB, "butModeA"},
    {Control::FecModeS, "butModeS"},
    {Control::FecConverse, "butCFEC"},
    {Control::FecModeOk, "butFECOK"},
    {Control::FecModeCancel, "butFECCancel"},
    {Control::GroupCallPanel, "GroupCallPanel"},
    {Control::GroupCallEdit, "edGroupCall"},
    {Control::GroupCallOk, "Button2"},
    {Control::GroupCallCancel, "Button17"},
    {Control::FecRatePanel, "FECRatePanel"},
    {Control::FecRate100, "butFECRate100"},
    {Control::FecRate200, "butFECRate200"},
    {Control::FecRateOk, "Button7"},
    {Control::FecRateCancel, "Button8"},

    // The panels the keys open.
    {Control::MycallPanel, "MycallPanel"},
    {Control::MycallEdit, "edMycall"},
    {Control::MycallOk, "Button1"},
    {Control::MycallCancel, "Button3"},
    {Control::HisCallPanel, "HisCallPanel"},
    {Control::HisCallEdit, "edHisCall"},
    {Control::HisCallOk, "Button9"},
    {Control::HisCallCancel, "Button10"},
    {Control::AfChannelPanel, "AFChannelPanel"},
    {Control::AfChannelSpin, "AFChannelSpin"},
    {Control::AfChannelOk, "Button11"},
    {Control::AfChannelCancel, "Button12"},
    {Control::FskTonesPanel, "FSKTonesPanel"},
    {Control::FskMarkEdit, "edMarkTone"},
    {Control::FskSpaceEdit, "edSpaceTone"},
    {Control::FskCenterEdit, "edFSKCenter"},
    {Control::FskShiftEdit, "edFSKShift"},
    {Control::FskTonesOk, "Button13"},
    {Control::FskTonesCancel, "Button14"},
    {Control::PModeTonesPanel, "PModeTonesPanel"},
    {Control::PModeFreq1Edit, "edFreq1"},
    {Control::PModeFreq2Edit, "edFreq2"},
    {Control::PModeCenterEdit, "edPmodeCenter"},
    {Control::PModeShiftEdit, "edPModeShift"},
    {Control::PModeTonesOk, "Button15"},
    {Control::PModeTonesCancel, "Button16"},

    // The statistics file header panel.
    {Control::StatisticsHeaderPanel, "StatsBox"},
    {Control::StatisticsFrequency, "edStatsFreq"},
    {Control::StatisticsName, "edStatsName"},
    {Control::StatisticsOther, "edStatsOther"},
    {Control::StatisticsOk, "StatsOK"},
    {Control::StatisticsCancel, "Button6"},

    // The amplitude tuning window's print-squelch markers.
    {Control::PrintSquelchMarker, "PrintSquelch"},
    {Control::PrintSquelchMarker2, "PrintSquelch2"},

    // Configuration dialog fields the keys change.
    {Control::DialogCwIdOn, "sysCWIDON"},
    {Control::DialogCwIdOff, "sysCWIDOFF"},
    {Control::DialogAfChannel1, "quoralAFChannel1"},
    {Control::DialogAfChannel2, "quoralAFChannel2"},
    {Control::DialogAfChannel3, "quoralAFChannel3"},
    {Control::DialogAfChannel4, "quoralAFChannel4"},
    {Control::DialogAmtorMark, "AmtorMARK"},
    {Control::DialogAmtorSpace, "AmtorSPACE"},
    {Control::DialogAmtorCenter, "AmtorCenterLabel"},
    {Control::DialogAmtorShift, "AmtorShiftLabel"},
    {Control::DialogBaudotMark, "BaudotMARK"},
    {Control::DialogBaudotSpace, "BaudotSPACE"},
    {Control::DialogBaudotCenter, "BaudotCenterLabel"},
    {Control::DialogBaudotShift, "BaudotShiftLabel"},
    {Control::DialogAsciiMark, "AsciiMARK"},
    {Control::DialogAsciiSpace, "AsciiSPACE"},
    {Control::DialogAsciiCenter, "AsciiCenterLabel"},
    {Control::DialogAsciiShift, "AsciiShiftLabel"},
    {Control::DialogPModeFreq1, "edPModeFreq1"},
    {Control::DialogPModeFreq2, "edPModeFreq2"},
    {Control::DialogPModeCenter, "PModeCenterLabel"},
    {Control::DialogPModeShift, "PModeShiftLabel"},

    // The configuration dialog's other controls that code or tests reach.
    {Control::DialogGeneralPage, "GeneralSheet"},
    {Control::DialogQuoralPage, "QuoralSheet"},
    {Control::DialogAmtorPage, "AmtorSheet"},
    {Control::DialogPModePage, "PModeSheet"},
    {Control::DialogBaudotPage, "BaudotSheet"},
    {Control::DialogAsciiPage, "AsciiSheet"},
    {Control::DialogPsk31Page, "PSK31Sheet"},
    {Control::DialogMessagesPage, "MessagesSheet"},
    {Control::DialogDefaults, "butDefaults"},
    {Control::DialogCancel, "Button1"},
    {Control::DialogApply, "Button2"},
    {Control::DialogOk, "Button3"},
    {Control::DialogPortList, "PortBox"},
    {Control::DialogPortDevice, "PortDeviceLabel"},
    {Control::DialogListenOn, "butListenON"},
    {Control::DialogListenOff, "butListenOFF"},
    {Control::DialogStatusBarOn, "butStatusBarON"},
    {Control::DialogStatusBarOff, "butStatusBarOFF"},
    {Control::DialogFskPolarityNormal, "cfgbutFSKPOLNORM"},
    {Control::DialogFskPolarityReverse, "cfgbutFSKPOLREV"},
    {Control::DialogFskAtcOn, "butFSKATCON"},
    {Control::DialogFskAtcOff, "butFSKATCOFF"},
    {Control::DialogFecBpsm, "butFECModBPSM"},
    {Control::DialogFecQpsm, "butFECModQPSM"},
    {Control::DialogFec8Psm, "butFECMod8PSM"},
    {Control::DialogFec8P2a, "butFECMod8P2A"},
    {Control::DialogFec16P4a, "butFECMod16P4A"},
    {Control::DialogFec2Dpsm, "butFECMod2DPSM"},
    {Control::DialogFecCodeEfficiency, "FECCodeEfficLabel"},
    {Control::DialogFecBlockSize, "FECBlockSizeLabel"},
    {Control::DialogAutoBiasNormal, "butAutoBiasNormal"},
    {Control::DialogAutoBiasRobust, "butAutoBiasRobust"},
    {Control::DialogAutoBiasFast, "butAutoBiasFast"},
    {Control::DialogAutoBiasFastest, "butAutoBiasFastest"},
    {Control::DialogConnectNormal, "butConnectNormal"},
    {Control::DialogConnectRobust, "butConnectRobust"},
    {Control::DialogNormalRetries, "edNormalRetries"},
    {Control::DialogChatCount, "edChatCount"},
    {Control::DialogMyCall, "edMyCall"},
    {Control::DialogGroupCall, "edGroupCall"},
    {Control::DialogHisCallList, "edHisCallBox"},
    {Control::DialogHisCall476List, "edHisCall476Box"},
    {Control::DialogHereIsNumber, "edHereIsNumber"},
    {Control::DialogPModeTxEnable, "butPModeTXEN"},
    {Control::DialogPModeTxDisable, "butPModeTXDIS"},
    {Control::DialogPModeMaxTry, "edPModeMaxTry"},
    {Control::DialogBaudotTxEnable, "butBaudotTXEN"},
    {Control::DialogBaudotTxDisable, "butBaudotTXDIS"},
    {Control::DialogBaudotSyncOn, "butBaudotSyncON"},
    {Control::DialogBaudotSyncOff, "butBaudotSyncOFF"},
    {Control::DialogBaudotUsosOn, "butBaudotUSOSON"},
    {Control::DialogBaudotUsosOff, "butBaudotUSOSOFF"},
    {Control::DialogBaudotRate, "BaudotRateCombo"},
    {Control::DialogBaudotCodeUs, "butBaudotCodeUS"},
    {Control::DialogBaudotCodeNo2, "butBaudotCodeNo2"},
    {Control::DialogAsciiTxEnable, "butAsciiTXEN"},
    {Control::DialogAsciiTxDisable, "butAsciiTXDIS"},
    {Control::DialogAsciiSyncOn, "butAsciiSyncON"},
    {Control::DialogAsciiSyncOff, "butAsciiSyncOFF"},
    {Control::DialogPsk31TxEnable, "butPSK31TXEn"},
    {Control::DialogPsk31TxDisable, "butPSK31TXDis"},

    // The print squelch dialog.
    {Control::PrintSquelchOn, "butPSON"},
    {Control::PrintSquelchOff, "butPSOFF"},

    // The screen settings dialog.
    {Control::ScreenReceiveTextSize, "ReceiveTextSize"},
    {Control::ScreenEchoTextColour, "EchoTextColor"},
    {Control::ScreenReceiveColour, "ReceiveColor"},
    {Control::ScreenTransmitTextSize, "TransmitTextSize"},
    {Control::ScreenReceiveSample, "ReceiveTextlabel"},
    {Control::ScreenTransmitSample, "TransmitTextLabel"},

    // The frequency tuning window.
    {Control::LowerSideBand, "butLSB"},
    {Control::UpperSideBand, "butUSB"},

    // The text file progress window.
    {Control::TextFileName, "lblTextFileName"},
    {Control::TextFileSize, "lblTextFileSize"},

    // The broadcast dialog.
    {Control::BroadcastModulation, "ModComboBox"},
    {Control::BroadcastCodeEfficiency, "CodeEffLabel"},
    {Control::BroadcastBlockSize, "BlockSizeLabel"},
    {Control::BroadcastBaseRate, "BaseRateLabel"},
    {Control::BroadcastActualRate, "ActualLabel"},

    // The port dialog.
    {Control::PortDialogList, "PortBox"},
    {Control::PortDialogOk, "OKButton"},
    {Control::PortDialogCancel, "CancelButton"},
    {Control::PortDialogReason, "ReasonLabel"},
    {Control::PortDialogStableName, "StableNameLabel"},

    // The welcome window: the station's call sign and port.
    {Control::StationSetupWindow, "StationSetupWindow"},
    {Control::StationSetupCall, "edStationCall"},
    {Control::StationSetupUseCall, "UseCallSignButton"},
    {Control::StationSetupChoosePort, "ChoosePortButton"},
    {Control::StationSetupClose, "CloseButton"},
    {Control::StationSetupCallState, "CallSignState"},
    {Control::StationSetupPortState, "PortState"},

    // The About box.
    {Control::AboutVersion, "Version"},
    {Control::AboutVersionsBox, "GroupBox1"},
    {Control::AboutProductId, "textProdID"},
    {Control::AboutBootVersion, "textEPROM"},
    {Control::AboutLodVersion, "textLODVer"},
    {Control::AboutS28Version, "textS28Ver"},
    {Control::AboutHardwareVersion, "textHardwareVer"},
    {Control::AboutWaveform, "Waveform"},

    // The help window.
    {Control::HelpPrintItem, "Print1"},
}};

namespace detail {
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kControlNames.size(); ++i)
        if (static_cast<std::size_t>(kControlNames[i].control) != i) return false;
    return true;
}
} // namespace detail
static_assert(detail::inEnumOrder(), "kControlNames must list every control in enum order");

// The widget's object name. Every entry is a string literal, so data() ends
// in a NUL.
constexpr std::string_view objectName(Control control) {
    return kControlNames[static_cast<std::size_t>(control)].objectName;
}

// The same as a C string, for the builders that take one.
constexpr const char* objectNameText(Control control) {
    return objectName(control).data();
}

} // namespace orvane
