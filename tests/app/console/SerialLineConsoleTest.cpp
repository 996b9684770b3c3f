// A whole console on port doubles that behave like a UART with the simulated
// modem behind it: what a pseudo-terminal cannot show (modem lines, flow
// control, a device that goes and another that takes its name).
#include "ConsoleFixture.h"
#include "ModeSetupWire.h"

#include "e2e/ChildProcess.h"
#include "operations/OutputHoldNotice.h"
#include "platform/StatusPanel.h"
#include "protocol/ModemCommand.h"
#include "support/PortDoubles.h"
#include "support/SimulatedModem.h"

#include <QAction>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <fstream>
#include <list>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::PortDoubles;
using testing::SimulatedModem;
using testing::UartPortDouble;
using Bytes = std::vector<std::uint8_t>;

std::string text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// A station whose COM1 is a link to a port double; the console and the line
// run in real time.
struct DoubleStation {
    explicit DoubleStation(const std::string& settings) {
        fs::create_directories(dir.path() / "Config" / "ports");
        std::ofstream(dir.path() / "Config" / "orvane.ini") << settings;
    }
    // Config/ports/COM1 leads to `device` from now on.
    void linkCom1(const std::string& device) {
        const fs::path link = dir.path() / "Config" / "ports" / "COM1";
        const fs::path fresh = link.string() + ".new";
        fs::create_symlink(device, fresh);
        fs::rename(fresh, link);
    }
    bool waitFor(const std::function<bool()>& done, int ms = 10000) {
        return ConsoleUnderTest::waitFor(done, ms);
    }
    // The close, and then the console is gone: nothing of it can write any more.
    void closeConsole() {
        t.closeAndWait();
        console.reset();
    }
    bool told(const std::string& words) {
        for (const std::string& said : t.prompter.texts())
            if (said.find(words) != std::string::npos) return true;
        return false;
    }
    QPlainTextEdit& transmitPane() { return *t.console.mainWindow().transmitPane(); }
    QString panel(int index) { return t.console.mainWindow().panel(index); }
    // A port double under `name`, with the simulated modem behind it unless silent.
    UartPortDouble& device(const std::string& name, const char* hardware = "8004") {
        UartPortDouble& port = doubles.emplace_back(name);
        if (hardware) modems.emplace_back(port, hardware);
        return port;
    }
    // The device plugged in, and COM1 leading to it.
    UartPortDouble& com1(const char* hardware = "8004") {
        UartPortDouble& port = device("/dev/ttyS0", hardware);
        devices.plug(port);
        linkCom1("/dev/ttyS0");
        return port;
    }

    testing::TempDir dir;
    PortDoubles devices;
    // They outlive the console, which holds them open.
    std::list<UartPortDouble> doubles;
    std::list<SimulatedModem> modems;
    std::unique_ptr<ConsoleUnderTest> console =
        std::make_unique<ConsoleUnderTest>(dir.path(), 1.0, devices);
    ConsoleUnderTest& t = *console;
};

// The modem's identity query (QUERY_ID), once or more, and nothing else.
bool onlyIdentityQueries(const std::string& bytes) {
    if (bytes.empty() || bytes.size() % 2 != 0) return false;
    for (std::size_t at = 0; at < bytes.size(); at += 2)
        if (bytes.compare(at, 2, "\x80\x7B") != 0) return false;
    return true;
}

// The modem's device goes (an adapter pulled), another takes its name and stays silent,
// and the modem comes back under a new name behind the same link: the console
// asks the stranger only who it is, tells the operator once, and follows the
// link to the modem, which gets the set-up and what waited in the queue.
TEST(SerialLineConsole, TheModemIsFoundUnderItsNewNameWhileAStrangerHoldsTheOldOne) {
    DoubleStation station("[system]\r\nComPort=1\r\n");
    UartPortDouble& first = station.device("/dev/ttyUSB0");
    station.devices.plug(first);
    station.linkCom1("/dev/ttyUSB0");
    ASSERT_TRUE(station.t.startUp());

    station.devices.unplug(first);
    ASSERT_TRUE(station.waitFor([&] { return station.t.probe.waitingForDevice(); }));
    station.t.probe.line().sendText(std::string_view("waited"));
    UartPortDouble& stranger = station.device("/dev/ttyUSB0", nullptr);
    station.devices.plug(stranger);
    ASSERT_TRUE(station.waitFor([&] { return station.told("does not answer as a Modara"); }));

    UartPortDouble& back = station.device("/dev/ttyUSB1");
    station.devices.plug(back);
    station.linkCom1("/dev/ttyUSB1");
    const std::string setup = testing::wire(testing::kCommonSetup);
    ASSERT_TRUE(
        station.waitFor([&] { return text(back.wire()).find(setup) != std::string::npos; }));
    EXPECT_FALSE(station.t.probe.waitingForDevice());
    // Only the question goes before what waited in the queue (asked again if
    // a busy machine kept the first answer past its limit).
    const std::string heard = text(back.wire());
    const std::size_t waited = heard.find("waited");
    ASSERT_NE(waited, std::string::npos) << toHex(back.wire());
    EXPECT_TRUE(onlyIdentityQueries(heard.substr(0, waited))) << toHex(back.wire());

    EXPECT_TRUE(onlyIdentityQueries(text(stranger.written()))) << toHex(stranger.written());
    const std::vector<std::string> said = station.t.prompter.texts();
    const auto strangers = std::count_if(said.begin(), said.end(), [](const std::string& words) {
        return words.find("does not answer") != std::string::npos;
    });
    EXPECT_EQ(strangers, 1);
}

// Typed text waits while the modem holds the line and goes once it lets go;
// a hold of more than a few seconds is shown. A modem with software flow
// control holds by XOFF alone, whatever its CTS line says; the others by CTS.
struct HoldCase {
    const char* hardware;
    Bytes hold;    // what the modem sends to hold us, if anything
    Bytes release; // and to let go
    OutputHold shown;
};

const HoldCase kHolds[] = {
    {"800A", {0x13}, {0x11}, OutputHold::Xoff},
    {"8004", {}, {}, OutputHold::Cts},
};

class FlowHold : public ::testing::TestWithParam<HoldCase> {};

TEST_P(FlowHold, TypedTextWaitsForTheModemAndTheHoldIsShown) {
    const HoldCase& c = GetParam();
    DoubleStation station("[system]\r\nComPort=1\r\nCode=ASCII\r\n[ascii]\r\nS_TextEntry=CHAR\r\n");
    UartPortDouble& port = station.com1(c.hardware);
    SimulatedModem& modem = station.modems.back();
    ASSERT_TRUE(station.t.startUp());

    port.setCts(false);
    modem.sendRaw(c.hold);
    ASSERT_TRUE(station.waitFor([&] { return station.t.probe.line().outputHold() == c.shown; }));
    station.transmitPane().insertPlainText(QStringLiteral("qrv?"));
    const QString shown = QString::fromStdString(OutputHoldNotice::text(c.shown));
    ASSERT_TRUE(station.waitFor([&] { return station.panel(panel::Event) == shown; }));
    EXPECT_EQ(text(port.written()).find("qrv"), std::string::npos);

    if (c.release.empty())
        port.setCts(true);
    else
        modem.sendRaw(c.release);
    EXPECT_TRUE(
        station.waitFor([&] { return text(port.wire()).find("qrv?") != std::string::npos; }));
    EXPECT_TRUE(station.waitFor([&] { return station.panel(panel::Event) != shown; }));
}

void PrintTo(const HoldCase& c, std::ostream* out) {
    *out << c.hardware;
}

std::string modemName(const ::testing::TestParamInfo<HoldCase>& row) {
    return row.param.hardware;
}

INSTANTIATE_TEST_SUITE_P(Modems, FlowHold, ::testing::ValuesIn(kHolds), modemName);

// The operator closes while a text file goes out: the file stops, the
// goodbye is the last byte on the line, and RTS and then DTR fall once it has
// left, as they rose at the open: RTS first.
TEST(SerialLineConsole, ACloseDuringATextFileSendEndsWithTheGoodbyeAndThenTheLines) {
    DoubleStation station("[system]\r\nComPort=1\r\nCode=ASCII\r\n");
    UartPortDouble& port = station.com1();
    ASSERT_TRUE(station.t.startUp());
    const std::string file = std::string(400, 'f');
    std::ofstream(station.dir.path() / "Out" / "news.txt") << file;
    station.t.prompter.chooseNextFiles({(station.dir.path() / "Out" / "news.txt").string()});
    station.t.console.mainWindow().findChild<QAction*>("mnuFilesSendtextfile")->trigger();
    ASSERT_TRUE(
        station.waitFor([&] { return text(port.wire()).find("ffff") != std::string::npos; }));

    station.closeConsole();
    const std::string all = text(port.written());
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all.substr(all.size() - 2), "\x80\x09");
    EXPECT_LT(std::count(all.begin(), all.end(), 'f'), 400);
    const std::string end = " @" + std::to_string(all.size());
    EXPECT_EQ(port.lineChanges(), (std::vector<std::string>{"RTS on @0", "DTR on @0",
                                                            "RTS off" + end, "DTR off" + end}));
}

} // namespace
} // namespace orvane
