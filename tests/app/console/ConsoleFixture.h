#pragma once

#include "app/Console.h"
#include "e2e/ChildProcess.h"
#include "platform/QtClock.h"
#include "platform/QtUiThread.h"
#include "platform/Sound.h"
#include "support/ConsoleProbe.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/MainWindow.h"
#include "ui/terminal/ReceivePane.h"

#include <QCoreApplication>

#include <exception>
#include <functional>
#include <optional>

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
    explicit ConsoleUnderTest(const std::filesystem::path& base, double clockScale = 1.0,
                              PortDevices& devices = systemPortDevices())
        : clock(clockScale),
          console({clock, prompter, processExit, sound, uiThread, base, devices}), probe(console) {}
    QtClock clock;
    ScriptedPrompter prompter;
    ThrowingProcessExit processExit;
    SilentSound sound;
    QtUiThread uiThread;
    Console console;
    ConsoleProbe probe;

    bool startUp() { return startConsole(console); }
    // Runs the start-up sequence as the splash timer would and waits for its
    // end; throws what it threw (a process end).
    static bool startConsole(Console& console) {
        ConsoleProbe probe(console);
        std::optional<bool> started;
        std::exception_ptr error;
        probe.sequences().start("start-up", [&]() -> Task<> {
            try {
                started = co_await probe.startupSequence();
            } catch (...) {
                error = std::current_exception();
            }
        });
        waitFor([&] { return started.has_value() || error != nullptr; }, 120000);
        if (error) std::rethrow_exception(error);
        return started.value_or(false);
    }
    // The close as the close box starts it, waited for until the goodbye has left.
    void closeAndWait() {
        bool closed = false;
        QObject::connect(&console, &Console::closed, [&] { closed = true; });
        console.close();
        waitFor([&] { return closed; });
    }

    QString paneText() { return console.mainWindow().findChild<ReceivePane*>()->toPlainText(); }
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
