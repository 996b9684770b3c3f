#pragma once

#include "app/Console.h"
#include "app/MainWindow.h"
#include "e2e/ChildProcess.h"
#include "platform/QtClock.h"
#include "platform/Sound.h"
#include "support/ScriptedPrompter.h"
#include "terminal/ReceivePane.h"

#include <QCoreApplication>

#include <functional>

namespace orvane {

using testing::ScriptedPrompter;
using testing::ThrowingProcessExit;

class SilentSound final : public Sound {
public:
    void playSystemDefault() override {}
    void playExclamation() override {}
    void beep() override { ++beeps; }
    void tone(int, int) override {}
    int beeps = 0;
};

// One console in this process, with scripted answers, on the rig's directory.
struct ConsoleUnderTest {
    explicit ConsoleUnderTest(const std::filesystem::path& base, double clockScale = 1.0)
        : clock(clockScale), console({clock, prompter, processExit, sound, base}) {}
    QtClock clock;
    ScriptedPrompter prompter;
    ThrowingProcessExit processExit;
    SilentSound sound;
    Console console;

    QString paneText() {
        return console.mainWindow().findChild<ReceivePane*>()->toPlainText();
    }
    // Waits, handling window messages, until `done` holds.
    static bool waitFor(const std::function<bool()>& done, int ms = 5000) {
        return testing::waitUntil(
            [&] {
                QCoreApplication::processEvents();
                return done();
            },
            std::chrono::milliseconds(ms));
    }
    bool waitForPane(const QString& text, int ms = 5000) {
        return waitFor([&] { return paneText().contains(text); }, ms);
    }
};

} // namespace orvane
