#pragma once

#include "monitor/ui/TAmplitudeTuneFrm.h"
#include "monitor/ui/TFrequencyTuneFrm.h"
#include "monitor/ui/TQuoralStatisticsFrm.h"

#include <QString>

class QWidget;
class QDialog;

namespace orvane {

// The windows the console creates at start besides the main window, splash,
// help, about box and port dialog (the configuration's and the operations'
// windows come with them). Each exists from the start with its caption; the
// subsystems that own them fill them in.
struct SecondaryWindows {
    QDialog* download = nullptr;           // TdlgDownload
    QDialog* textFileProgress = nullptr;   // TdlgTextFileProgress
    QDialog* quoralFec = nullptr;          // TQuoralFECFrm
    TQuoralStatisticsFrm* quoralStatistics = nullptr;
    TFrequencyTuneFrm* frequencyTune = nullptr;
    TAmplitudeTuneFrm* amplitudeTune = nullptr;

    // The three monitor windows belong to the main window; the dialogs are
    // created in the start-up order after it.
    static SecondaryWindows createMonitorWindows(QWidget* mainWindow, SecondaryWindows windows);
    static SecondaryWindows createDialogs(QWidget* mainWindow, SecondaryWindows windows);
};

} // namespace orvane
