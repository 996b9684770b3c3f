#pragma once

#include "ui/monitor/AmplitudeTuneWindow.h"
#include "ui/monitor/FrequencyTuneWindow.h"
#include "ui/monitor/QuoralStatisticsWindow.h"

#include <QString>

class QWidget;
class QDialog;

namespace orvane {

// The windows the console creates at start besides the main window, splash,
// help, about box and port dialog (the configuration's and the operations'
// windows come with them). Each exists from the start with its caption; the
// subsystems that own them fill them in.
struct SecondaryWindows {
    QDialog* download = nullptr;
    QDialog* textFileProgress = nullptr;
    QDialog* quoralFec = nullptr;
    QuoralStatisticsWindow* quoralStatistics = nullptr;
    FrequencyTuneWindow* frequencyTune = nullptr;
    AmplitudeTuneWindow* amplitudeTune = nullptr;

    // The three monitor windows belong to the main window; the dialogs are
    // created in the start-up order after it.
    static SecondaryWindows createMonitorWindows(QWidget* mainWindow, SecondaryWindows windows);
    static SecondaryWindows createDialogs(QWidget* mainWindow, SecondaryWindows windows);
};

} // namespace orvane
