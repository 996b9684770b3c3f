#include "serial/SerialPort.h"
#include "PtyPair.h"
#include "WaitUntil.h"
#include "serial/PortAvailability.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <poll.h>
#include <termios.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(SerialPort, OpensAPtyRawAt9600) {
    testing::PtyPair pty;
    auto opening = SerialPort::open(pty.slavePath());
    ASSERT_TRUE(opening.port) << opening.error;
    termios tio{};
    ASSERT_EQ(::tcgetattr(opening.port->fd(), &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), B9600);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
    EXPECT_NE(tio.c_cflag & CREAD, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_cc[VMIN], 0);
    EXPECT_EQ(tio.c_cc[VTIME], 0);
}

TEST(SerialPort, CarriesEveryByteValueBothWays) {
    testing::PtyPair pty;
    auto opening = SerialPort::open(pty.slavePath());
    ASSERT_TRUE(opening.port) << opening.error;
    ModemPort& port = *opening.port;

    Bytes all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    std::size_t sent = 0;
    while (sent < all.size()) {
        const auto outcome = port.write(std::span(all).subspan(sent));
        ASSERT_FALSE(outcome.failed);
        sent += outcome.written;
    }
    EXPECT_EQ(pty.readFromConsole(all.size()), all);

    pty.writeToConsole(all);
    Bytes got;
    for (int tries = 0; tries < 200 && got.size() < all.size(); ++tries) {
        std::uint8_t buf[300];
        const long n = port.read(buf);
        ASSERT_GE(n, 0);
        got.insert(got.end(), buf, buf + n);
        pollfd readable{port.fd(), POLLIN, 0};
        if (n == 0) ::poll(&readable, 1, 2000); // until more has arrived
    }
    EXPECT_EQ(got, all);

    ASSERT_TRUE(port.sendImmediate(0x55));
    EXPECT_EQ(pty.readFromConsole(1), Bytes{0x55});
}

TEST(SerialPort, ModemLinesAndErrorsDegradeGracefullyOnAPty) {
    testing::PtyPair pty;
    auto opening = SerialPort::open(pty.slavePath());
    ASSERT_TRUE(opening.port) << opening.error;
    ModemPort& port = *opening.port;
    EXPECT_TRUE(port.setRts(true));
    EXPECT_TRUE(port.setDtr(true));
    EXPECT_TRUE(port.setRts(false));
    EXPECT_TRUE(port.setDtr(false));
    EXPECT_TRUE(port.ctsOn());
    EXPECT_TRUE(port.sendingAllowed());

    pty.writeToConsole({1, 2, 3});
    LineStatus status;
    std::uint32_t errors = 0; // each query takes the errors seen since the last
    EXPECT_TRUE(testing::waitUntil([&] {
        status = port.lineStatus();
        errors |= status.errorMask;
        return status.rxPending == 3;
    }));
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(status.txPending, 0);
}

TEST(SerialPort, SecondOpenOfTheSameDeviceIsRefusedAsBusy) {
    testing::PtyPair pty;
    auto first = SerialPort::open(pty.slavePath());
    ASSERT_TRUE(first.port) << first.error;
    auto second = SerialPort::open(pty.slavePath());
    EXPECT_FALSE(second.port);
    EXPECT_NE(second.error.find(pty.slavePath()), std::string::npos) << second.error;
    EXPECT_NE(second.error.find("busy"), std::string::npos) << second.error;

    first.port.reset(); // closing releases the lock
    EXPECT_TRUE(SerialPort::open(pty.slavePath()).port);
}

class PortsDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() /
                ("orvane-ports-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(base_ / "Config" / "ports");
    }
    void TearDown() override { fs::remove_all(base_); }
    void link(const std::string& name, const fs::path& target) {
        fs::create_symlink(target, base_ / "Config" / "ports" / name);
    }
    fs::path base_;
};

TEST_F(PortsDirectory, MissingDeviceMessageNamesTheLinkedPath) {
    link("COM7", "/dev/ttyUSB-orvane-gone");
    auto opening = openPortName(systemPortDevices(), "COM7", base_);
    EXPECT_FALSE(opening.port);
    EXPECT_NE(opening.error.find("/dev/ttyUSB-orvane-gone"), std::string::npos) << opening.error;
    EXPECT_NE(opening.error.find("missing"), std::string::npos) << opening.error;
}

TEST_F(PortsDirectory, PortNameWithoutNumberNamesNoDevice) {
    const std::pair<const char*, const char*> cases[] = {{"COM", "No serial port is set."},
                                                         {"", "No serial port is set."},
                                                         {"COMx", "names no serial device"},
                                                         {"com2", "names no serial device"}};
    for (const auto& [name, says] : cases) {
        auto opening = openPortName(systemPortDevices(), name, base_);
        EXPECT_FALSE(opening.port) << name;
        EXPECT_NE(opening.error.find(says), std::string::npos) << name << ": " << opening.error;
    }
}

TEST_F(PortsDirectory, LinkedPtyOpensAndIsListedEvenWhenBusy) {
    testing::PtyPair pty;
    link("COM200", pty.slavePath());
    auto opening = openPortName(systemPortDevices(), "COM200", base_);
    ASSERT_TRUE(opening.port) << opening.error;
    EXPECT_EQ(opening.port->devicePath(), fs::canonical(pty.slavePath()).string());

    // Held by us now; another program would be told it is busy, but the
    // dialog still lists it.
    const auto ports = availablePorts(base_, {base_ / "sys", base_ / "dev"});
    const auto listed = std::find_if(ports.begin(), ports.end(),
                                     [](const PortEntry& p) { return p.number == 200; });
    ASSERT_NE(listed, ports.end());
    EXPECT_EQ(listed->device, opening.port->devicePath());
    EXPECT_TRUE(
        std::is_sorted(ports.begin(), ports.end(),
                       [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; }));
}

TEST_F(PortsDirectory, NoPortAboveTheHighestIsListed) {
    testing::PtyPair pty;
    link("COM255", pty.slavePath());
    link("COM254", pty.slavePath());
    const auto ports = availablePorts(base_, {base_ / "sys", base_ / "dev"});
    EXPECT_FALSE(ports.empty());
    EXPECT_EQ(ports.back().number, 254);
}

} // namespace
} // namespace orvane
