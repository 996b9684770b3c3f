#include "app/Console.h"
#include "app/ConsoleStyle.h"
#include "app/ShutdownSignals.h"
#include "app/WorkdirOption.h"
#include "platform/ProcessExit.h"
#include "platform/QtAudioOutput.h"
#include "platform/QtClock.h"
#include "platform/QtPrompter.h"
#include "platform/QtSound.h"
#include "platform/QtUiThread.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // A console left running for days: the receive pane's text lives in a few large buffers
    // that grow and shrink as old lines go. Given back to the system when freed, they keep
    // the memory bounded; glibc's own threshold would rise after the first and keep them.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication app(argc, argv);
    QApplication::setStyle(new orvane::ConsoleStyle);
    // The console ends when its main window closes, not when the splash goes.
    QApplication::setQuitOnLastWindowClosed(false);

    // `--workdir DIR`: the launcher's way to start us in the operator's own folder.
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments())
        arguments.push_back(argument.toStdString());
    const orvane::WorkdirChoice workdir = orvane::workdirFromArguments(arguments);
    std::string workdirError = workdir.error;
    if (workdirError.empty() && workdir.folder)
        workdirError = orvane::enterWorkdir(*workdir.folder);
    if (!workdirError.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvane"),
                              QString::fromStdString(workdirError));
        return 2;
    }

    orvane::QtClock clock;
    orvane::QtPrompter prompter;
    orvane::ImmediateProcessExit processExit;
    orvane::QtAudioOutput audio;
    orvane::QtSound sound(audio);
    orvane::QtUiThread uiThread;
    int status = 0;
    try {
        orvane::Console console(
            {clock, prompter, processExit, sound, uiThread, std::filesystem::current_path()});
        prompter.setParentWindow(&console.mainWindow());
        orvane::ShutdownSignals shutdownSignals;
        QObject::connect(&shutdownSignals, &orvane::ShutdownSignals::shutdownRequested, &console,
                         [&console] { console.closeAndExit(); });
        QObject::connect(&console, &orvane::Console::startupAbandoned, &app, &QApplication::quit);
        QObject::connect(&console, &orvane::Console::closed, &app, &QApplication::quit);
        console.start();
        status = app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvane"),
                              QString::fromLocal8Bit(error.what()));
    }
    // The serial threads end with the process; nothing waits for them.
    processExit.exitNow(status);
}
