#include "app/SecondaryWindows.h"

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

QWidget* toolWindow(QWidget* parent, const char* objectName, const char* caption, int w, int h) {
    auto* window = new QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint);
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(QString::fromLatin1(caption));
    window->resize(w, h);
    return window;
}

} // namespace

SecondaryWindows SecondaryWindows::createMonitorWindows(QWidget* mainWindow,
                                                        SecondaryWindows windows) {
    windows.amplitudeTune = toolWindow(mainWindow, "AmplitudeTuneFrm", "Amplitude Bars", 176, 68);
    windows.frequencyTune = toolWindow(mainWindow, "FrequencyTuneFrm", "Frequency Tune", 233, 68);
    windows.quoralStatistics = toolWindow(mainWindow, "QuoralStatisticsFrm", "Quoral Stats", 300, 160);
    return windows;
}

SecondaryWindows SecondaryWindows::createDialogs(QWidget* mainWindow, SecondaryWindows windows) {
    windows.callPanel = dialog(mainWindow, "CallPanel", "Select call");
    windows.download = dialog(mainWindow, "dlgDownload", "Binary File Transfer");
    windows.textFileProgress = dialog(mainWindow, "dlgTextFileProgress", "Text File Transfer");
    windows.quoralFec = dialog(mainWindow, "QuoralFECFrm", "Quoral Broadcast Modulation");
    return windows;
}

} // namespace orvane
