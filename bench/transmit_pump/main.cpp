// Pastes 1 MB of text, 10,000 lines, into the transmit pane of a console
// linked in Quoral to modara-sim, and pumps it out: the wire rate against the
// 960 bytes/s of the line, and the longest the user interface went without
// handling its events while the pump ran.

#include "app/Console.h"
#include "app/MainWindow.h"
#include "app/ModemControl.h"
#include "app/PortSession.h"
#include "e2e/ModemRig.h"
#include "platform/QtClock.h"
#include "platform/Sound.h"
#include "protocol/CommandBuilders.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

using namespace orvane;

namespace {

constexpr double kLineRate = 960.0;
constexpr int kLines = 10000;
constexpr int kLineLength = 100; // with its line end: 1 MB in all

class Quiet final : public Sound {
public:
    void playSystemDefault() override {}
    void playExclamation() override {}
    void beep() override {}
    void tone(int, int) override {}
};

QString bulkText() {
    QString text;
    text.reserve(kLines * kLineLength);
    for (int i = 0; i < kLines; ++i) {
        QString line = QStringLiteral("%1 ").arg(i, 5, 10, QLatin1Char('0'));
        while (line.size() < kLineLength - 2) line += QLatin1Char('A' + (line.size() % 26));
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::ModemRig rig;
    QtClock clock;
    testing::ScriptedPrompter prompter;
    testing::ThrowingProcessExit processExit;
    Quiet sound;
    Console console({clock, prompter, processExit, sound, rig.dir()});
    prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); });
    if (!console.runStartupSequence()) return 1;

    console.port().send(textCommand(CommandCode::QUORAL_CALL_NORMAL, "W1AW"));
    QElapsedTimer wait;
    wait.start();
    while (!console.modem().link().linkUp && wait.elapsed() < 10000) app.processEvents();
    if (!console.modem().link().linkUp) {
        std::puts("no link");
        return 1;
    }

    QTextEdit& pane = *console.mainWindow().transmitPane();
    const QString text = bulkText();
    const std::size_t before = rig.received().size();

    // The event loop's pulse: the longest gap between two ticks is the worst stall.
    QElapsedTimer pulse;
    qint64 worstStall = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        worstStall = std::max(worstStall, pulse.restart());
    });

    QElapsedTimer run;
    run.start();
    pane.setFocus();
    pane.textCursor().insertText(text); // as a paste does
    const qint64 pasteMs = run.elapsed();
    pulse.start();
    ticker.start();
    while (pane.document()->characterCount() > 1 && run.elapsed() < 600000) app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double seconds = static_cast<double>(run.elapsed() - pasteMs) / 1000.0;
    ticker.stop();
    const std::size_t sent = rig.received().size() - before;

    std::printf("pasted %d lines (%lld bytes) in %lld ms\n", kLines, static_cast<long long>(text.size()),
                static_cast<long long>(pasteMs));
    std::printf("wire: %zu bytes in %.2f s = %.0f bytes/s, %.1f times the line rate of %.0f bytes/s\n",
                sent, seconds, sent / seconds, sent / seconds / kLineRate, kLineRate);
    std::printf("worst user-interface stall while pumping: %lld ms\n", static_cast<long long>(worstStall));
    return 0;
}
