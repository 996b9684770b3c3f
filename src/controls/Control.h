#pragma once

#include <cstdint>

namespace orvane {

// Every control of the console's windows that code or tests reach: the main
// window's menus, toolbars, panes, status panels and the panels laid over it,
// the amplitude tuning window's markers, and the controls of the dialogs and
// windows that are found by name. Code names a control by its value here; the
// object name the widget carries (which UI tests find it by) is in
// ControlNames.h, the one place it is written.
enum class Control : std::uint16_t {
    // The main window and its panes.
    MainWindow,
    PaneSplitter,
    ReceivePane,
    TransmitPane,
    StatusBar,
    ModePanel,
    LinkPanel,
    EventPanel,
    StationPanel,
    RatePanel,
    FormatPanel,
    EntryPanel,
    SetupPanel,
    ClockPanel,

    // Files menu.
    FilesMenu,
    SaveReceivedItem,
    StopSaveSendItem,
    SaveStatisticsItem,
    Separator1,
    SendTextFileItem,
    SendBinaryFileItem,
    Separator2,
    PrintReceivedItem,
    PrintSetupItem,
    Separator3,
    LoadFirmwareItem,
    Separator4,
    ExitItem,

    // Edit menu.
    EditMenu,
    UndoItem,
    CutItem,
    CopyItem,
    PasteItem,
    SelectAllItem,

    // Views menu.
    ViewMenu,
    ToolBarItem,
    StatusBarItem,
    Separator5,
    AmplitudeTuneItem,
    FrequencyTuneItem,
    QuoralStatisticsItem,
    Separator10,
    SoundCardTuneItem,
    Separator6,
    EchoItem,
    Separator12,
    SessionLogItem,
    TodaysLogItem,

    // Configure menu.
    ConfigureMenu,
    ConfigurationPagesItem,
    StationSetupItem,
    ScreenSettingsItem,
    Separator7,
    SaveConfigurationItem,

    // Code menu.
    CodeMenu,
    QuoralItem,
    AmtorItem,
    PModeItem,
    BaudotItem,
    AsciiItem,
    Separator11,
    Psk31Item,

    // Special menu.
    SpecialMenu,
    ClearReceiveItem,
    ClearTransmitItem,
    ClearAllItem,
    Separator8,
    TestTonesItem,

    // Link menu.
    LinkMenu,
    LinkConnectItem,
    LinkDisconnectItem,
    LinkCallCqItem,
    LinkPanicItem,
    Separator13,
    LinkCwIdItem,
    LinkTxEnableItem,
    LinkTestTonesItem,

    // Help menu.
    HelpMenu,
    UserGuideItem,
    HotKeysItem,
    SaveTraceItem,
    AboutItem,

    // The receive pane's call sign menu.
    CallSignMenu,
    AddToHisCallListItem,
    CallThisCallSignItem,

    // The Quoral toolbar.
    QuoralToolbar,
    QuoralConnect,
    QuoralDisconnect,
    QuoralPanic,
    QuoralFec,
    QuoralCallCq,
    QuoralMonitor,
    QuoralTxEnable,
    QuoralMsg0,
    QuoralMsgPlus,
    QuoralDeMy,
    QuoralHisDeMy,
    QuoralFoxes,

    // The AMTOR toolbar.
    AmtorToolbar,
    AmtorConnect,
    AmtorDisconnect,
    AmtorPanic,
    AmtorOver,
    AmtorForcedOver,
    AmtorFec,
    AmtorCallCq,
    AmtorMonitor,
    AmtorNormRev,
    AmtorTxEnable,
    AmtorHisDeMy,
    AmtorFoxes,

    // The P-Mode toolbar.
    PModeToolbar,
    PModeConnect,
    PModeDisconnect,
    PModePanic,
    PModeOver,
    PModeForcedOver,
    PModeFec,
    PModeCallCq,
    PModeMonitor,
    PModeTxEnable,
    PModeDeMy,
    PModeHisDeMy,
    PModeFoxes,

    // The Baudot toolbar.
    BaudotToolbar,
    BaudotConnect,
    BaudotPanic,
    BaudotFec,
    BaudotRttyRate,
    BaudotMonitor,
    BaudotNormRev,
    BaudotTxEnable,
    BaudotDeMy,
    BaudotHisDeMy,
    BaudotFoxes,

    // The ASCII toolbar.
    AsciiToolbar,
    AsciiConnect,
    AsciiPanic,
    AsciiRttyRate,
    AsciiMonitor,
    AsciiNormRev,
    AsciiTxEnable,
    AsciiDeMy,
    AsciiHisDeMy,
    AsciiFoxes,

    // The PSK31 toolbar.
    Psk31Toolbar,
    Psk31TxEnable,

    // Notices laid over the main window.
    DisconnectPanel,
    PanicPanel,
    HardwareResetPanel,
    OverBox,
    CwIdBox,

    // The FAX transfer panel.
    FaxPanel,
    FaxTitle,
    FaxSizeCaption,
    FaxTotalBytes,
    FaxSentCaption,
    FaxReceivedCaption,
    FaxReceivedBytes,
    FaxProgress,
    FaxStatus,
    FaxElapsedTime,
    FaxTransferRate,

    // The firmware download panel.
    FirmwarePanel,
    FirmwareFileName,
    FirmwareGauge,
    FirmwareAbort,

    // The call panel.
    CallPanel,
    CallBevel,
    CallBox,
    CallAdaptive,
    CallManual,
    CallFormatFrame,
    CallFormatList,
    CallCodeEfficiency,
    CallBlockSize,
    CallBaseRate,
    CallActualRate,
    CallStart,
    CallCancel,

    // The Here-IS panel.
    HereIsPanel,
    HereIsSelector,
    HereIsNumber,
    HereIsText,
    HereIsSend,
    HereIsCancel,

    // The tone test box.
    ToneTestBox,
    ToneList,
    ToneTestCancel,

    // The binary file transfer panel.
    TransferPanel,
    TransferTitle,
    TransferFileName,
    TransferFileSize,
    TransferCompressedSize,
    TransferMethod,
    TransferBytes,
    TransferTime,
    TransferRate,
    TransferGauge,
    TransferResult,
    TransferReason,
    TransferButton,

    // The broadcast panels.
    FecModePanel,
    FecModeB,
    FecModeS,
    FecConverse,
    FecModeOk,
    FecModeCancel,
    GroupCallPanel,
    GroupCallEdit,
    GroupCallOk,
    GroupCallCancel,
    FecRatePanel,
    FecRate100,
    FecRate200,
    FecRateOk,
    FecRateCancel,

    // The panels the keys open.
    MycallPanel,
    MycallEdit,
    MycallOk,
    MycallCancel,
    HisCallPanel,
    HisCallEdit,
    HisCallOk,
    HisCallCancel,
    AfChannelPanel,
    AfChannelSpin,
    AfChannelOk,
    AfChannelCancel,
    FskTonesPanel,
    FskMarkEdit,
    FskSpaceEdit,
    FskCenterEdit,
    FskShiftEdit,
    FskTonesOk,
    FskTonesCancel,
    PModeTonesPanel,
    PModeFreq1Edit,
    PModeFreq2Edit,
    PModeCenterEdit,
    PModeShiftEdit,
    PModeTonesOk,
    PModeTonesCancel,

    // The statistics file header panel.
    StatisticsHeaderPanel,
    StatisticsFrequency,
    StatisticsName,
    StatisticsOther,
    StatisticsOk,
    StatisticsCancel,

    // The amplitude tuning window's print-squelch markers.
    PrintSquelchMarker,
    PrintSquelchMarker2,

    // Configuration dialog fields the keys change.
    DialogCwIdOn,
    DialogCwIdOff,
    DialogAfChannel1,
    DialogAfChannel2,
    DialogAfChannel3,
    DialogAfChannel4,
    DialogAmtorMark,
    DialogAmtorSpace,
    DialogAmtorCenter,
    DialogAmtorShift,
    DialogBaudotMark,
    DialogBaudotSpace,
    DialogBaudotCenter,
    DialogBaudotShift,
    DialogAsciiMark,
    DialogAsciiSpace,
    DialogAsciiCenter,
    DialogAsciiShift,
    DialogPModeFreq1,
    DialogPModeFreq2,
    DialogPModeCenter,
    DialogPModeShift,

    // The configuration dialog's other controls that code or tests reach.
    DialogGeneralPage,
    DialogQuoralPage,
    DialogAmtorPage,
    DialogPModePage,
    DialogBaudotPage,
    DialogAsciiPage,
    DialogPsk31Page,
    DialogMessagesPage,
    DialogDefaults,
    DialogCancel,
    DialogApply,
    DialogOk,
    DialogPortList,
    DialogPortDevice,
    DialogListenOn,
    DialogListenOff,
    DialogStatusBarOn,
    DialogStatusBarOff,
    DialogFskPolarityNormal,
    DialogFskPolarityReverse,
    DialogFskAtcOn,
    DialogFskAtcOff,
    DialogFecBpsm,
    DialogFecQpsm,
    DialogFec8Psm,
    DialogFec8P2a,
    DialogFec16P4a,
    DialogFec2Dpsm,
    DialogFecCodeEfficiency,
    DialogFecBlockSize,
    DialogAutoBiasNormal,
    DialogAutoBiasRobust,
    DialogAutoBiasFast,
    DialogAutoBiasFastest,
    DialogConnectNormal,
    DialogConnectRobust,
    DialogNormalRetries,
    DialogChatCount,
    DialogMyCall,
    DialogGroupCall,
    DialogHisCallList,
    DialogHisCall476List,
    DialogHereIsNumber,
    DialogPModeTxEnable,
    DialogPModeTxDisable,
    DialogPModeMaxTry,
    DialogBaudotTxEnable,
    DialogBaudotTxDisable,
    DialogBaudotSyncOn,
    DialogBaudotSyncOff,
    DialogBaudotUsosOn,
    DialogBaudotUsosOff,
    DialogBaudotRate,
    DialogBaudotCodeUs,
    DialogBaudotCodeNo2,
    DialogAsciiTxEnable,
    DialogAsciiTxDisable,
    DialogAsciiSyncOn,
    DialogAsciiSyncOff,
    DialogPsk31TxEnable,
    DialogPsk31TxDisable,

    // The print squelch dialog.
    PrintSquelchOn,
    PrintSquelchOff,

    // The screen settings dialog.
    ScreenReceiveTextSize,
    ScreenEchoTextColour,
    ScreenReceiveColour,
    ScreenTransmitTextSize,
    ScreenReceiveSample,
    ScreenTransmitSample,

    // The frequency tuning window.
    LowerSideBand,
    UpperSideBand,

    // The text file progress window.
    TextFileName,
    TextFileSize,

    // The broadcast dialog.
    BroadcastModulation,
    BroadcastCodeEfficiency,
    BroadcastBlockSize,
    BroadcastBaseRate,
    BroadcastActualRate,

    // The port dialog.
    PortDialogList,
    PortDialogOk,
    PortDialogCancel,

    // The About box.
    AboutVersion,
    AboutVersionsBox,
    AboutProductId,
    AboutBootVersion,
    AboutLodVersion,
    AboutS28Version,
    AboutHardwareVersion,
    AboutWaveform,

    // The help window.
    HelpPrintItem,

    Count // not a control: the number of them
};

} // namespace orvane
