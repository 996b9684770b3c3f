#include "ui/main/SecondaryWindows.h"

#include <QDialog>
#include <QWidget>

namespace orvane {
namespace {

QDialog* dialog(QWidget* parent, const char* objectName, const char* caption) {
    auto* window = new QDialog(parent);
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(QString::fromLatin1(caption));
    return window;
}

} // namespace

SecondaryWindows SecondaryWindows::createMonitorWindows(QWidget* mainWindow,
                                                        SecondaryWindows windows) {
    windows.amplitudeTune = new AmplitudeTuneWindow(mainWindow);
    windows.frequencyTune = new FrequencyTuneWindow(mainWindow);
    windows.quoralStatistics = new QuoralStatisticsWindow(mainWindow);
    return windows;
}

SecondaryWindows SecondaryWindows::createDialogs(QWidget* mainWindow, SecondaryWindows windows) {
    windows.download = dialog(mainWindow, "dlgDownload", "Binary File Transfer");
    windows.textFileProgress = dialog(mainWindow, "dlgTextFileProgress", "Text File Transfer");
    windows.quoralFec = dialog(mainWindow, "QuoralFECFrm", "Quoral Broadcast Modulation");
    return windows;
}

} // namespace orvane
