#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "records/SessionLog.h"
#include "session/PortSession.h"

#include <QDialog>

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::ModemRig;
using testing::ScriptedPrompter;
using testing::ThrowingProcessExit;

// Real ticks and timers, and a wall clock the test sets.
class SetWallClock final : public Clock {
public:
    std::int64_t tickMs() const override { return real_.tickMs(); }
    std::chrono::system_clock::time_point now() const override { return wall; }
    int localOffsetMinutes() const override { return 0; }
    std::unique_ptr<Timer> createTimer(const std::string& name, int ms) override {
        return real_.createTimer(name, ms);
    }

    std::chrono::system_clock::time_point wall{};

private:
    QtClock real_{1.0};
};

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SessionLog, AScriptedQsoIsLoggedLineByLineAcrossMidnight) {
    ModemRig rig;
    SetWallClock clock;
    ScriptedPrompter prompter;
    ThrowingProcessExit processExit;
    SilentSound sound;
    QtUiThread uiThread;
    Console console({clock, prompter, processExit, sound, uiThread, rig.dir()});
    ConsoleProbe probe(console);
    auto at = [&](int h, int m, int s,
                  std::chrono::year_month_day day = std::chrono::December / 9 / 2026) {
        clock.wall = std::chrono::sys_days{day} + std::chrono::hours(h) + std::chrono::minutes(m) +
                     std::chrono::seconds(s);
    };

    // Each step is in the log before the clock moves on.
    auto logged = [&](const char* day, const std::string& text) {
        return ConsoleUnderTest::waitFor([&] {
            probe.sessionLog().writeNow();
            return fileText(rig.dir() / "Logs" / day).find(text) != std::string::npos;
        });
    };

    at(23, 59, 0);
    prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
    ASSERT_TRUE(ConsoleUnderTest::startConsole(console));
    at(23, 59, 10);
    rig.tellSimulator("status LINKED \"K1ABC\" 00");
    ASSERT_TRUE(logged("2026-12-09.log", "LINK start K1ABC"));

    at(23, 59, 20);
    rig.tellSimulator("text \"GM OM UR RST 599\\r\\nNAME JO\\r\\n\"");
    ASSERT_TRUE(logged("2026-12-09.log", "RX NAME JO"));

    at(23, 59, 30);
    const std::string reply = "R R TNX JO\rBK\r";
    probe.line().sendText({reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()});
    ASSERT_TRUE(logged("2026-12-09.log", "TX BK"));

    at(0, 0, 5, std::chrono::December / 10 / 2026);
    probe.sessionLog().fileReceived("qso.jpg", 20480, TransferOutcome::Complete, "");
    probe.sessionLog().fileReceived("big.bin", 3000, TransferOutcome::Failed,
                                    "No space left on device");
    at(0, 0, 10, std::chrono::December / 10 / 2026);
    rig.tellSimulator("status DISCONNECTED 00");
    ASSERT_TRUE(logged("2026-12-10.log", "LINK end K1ABC"));

    EXPECT_EQ(fileText(rig.dir() / "Logs" / "2026-12-09.log"),
              "2026-12-09 23:59:10Z LINK start K1ABC\n"
              "2026-12-09 23:59:20Z RX GM OM UR RST 599\n"
              "2026-12-09 23:59:20Z RX NAME JO\n"
              "2026-12-09 23:59:30Z TX R R TNX JO\n"
              "2026-12-09 23:59:30Z TX BK\n");
    EXPECT_EQ(fileText(rig.dir() / "Logs" / "2026-12-10.log"),
              "2026-12-10 00:00:05Z FILE received qso.jpg (20480 bytes, complete)\n"
              "2026-12-10 00:00:05Z FILE received big.bin (3000 bytes, failed: No space left on "
              "device)\n"
              "2026-12-10 00:00:10Z LINK end K1ABC\n");
}

} // namespace
} // namespace orvane
