#include "serial/PortName.h"
#include "serial/LineErrors.h"
#include "serial/PortOpenError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

const fs::path kNoLinks = "/nonexistent-orvane-base";

TEST(PortName, NumberOnlyForComFollowedByDigits) {
    EXPECT_EQ(portNumberOf("COM2"), 2);
    EXPECT_EQ(portNumberOf("COM254"), 254);
    for (const char* junk : {"COM", "", "COM0", "COMx", "COM2x", "COM-1", "com2", " COM2", "COM+3"})
        EXPECT_EQ(portNumberOf(junk), std::nullopt) << '"' << junk << '"';
}

TEST(PortName, FixedRangesMapToLinuxDevices) {
    struct {
        const char* name;
        const char* device;
    } rows[] = {{"COM1", "/dev/ttyS0"},     {"COM32", "/dev/ttyS31"},  {"COM33", "/dev/ttyUSB0"},
                {"COM64", "/dev/ttyUSB31"}, {"COM65", "/dev/ttyACM0"}, {"COM96", "/dev/ttyACM31"}};
    for (const auto& row : rows)
        EXPECT_EQ(resolvePortName(row.name, kNoLinks), row.device);
    EXPECT_EQ(resolvePortName("COM97", kNoLinks), std::nullopt);
    EXPECT_EQ(resolvePortName("COM", kNoLinks), std::nullopt);
}

TEST(PortName, LinkUnderConfigPortsWins) {
    const fs::path base =
        fs::temp_directory_path() / ("orvane-portname-" + std::to_string(::getpid()));
    fs::create_directories(base / "Config" / "ports");
    fs::create_symlink("/dev/null", base / "Config" / "ports" / "COM3");
    fs::create_symlink("/dev/gone-away", base / "Config" / "ports" / "COM150");
    EXPECT_EQ(resolvePortName("COM3", base), base / "Config" / "ports" / "COM3");
    EXPECT_EQ(resolvePortName("COM150", base), base / "Config" / "ports" / "COM150");
    EXPECT_EQ(resolvePortName("COM4", base), "/dev/ttyS3");
    fs::remove_all(base);
}

TEST(PortOpenError, MessagesNameTheDeviceAndTheCause) {
    const std::string dev = "/dev/ttyUSB0";
    const auto denied = portOpenErrorText(dev, EACCES);
    EXPECT_NE(denied.find(dev), std::string::npos);
    EXPECT_NE(denied.find("dialout"), std::string::npos);
    EXPECT_NE(denied.find("log in again"), std::string::npos);
    EXPECT_NE(portOpenErrorText(dev, EBUSY).find("another program"), std::string::npos);
    EXPECT_NE(portOpenErrorText(dev, EWOULDBLOCK).find("busy"), std::string::npos);
    EXPECT_NE(portOpenErrorText(dev, ENOENT).find("unplugged"), std::string::npos);
    const auto other = portOpenErrorText(dev, EROFS);
    EXPECT_NE(other.find(dev), std::string::npos);
    EXPECT_NE(other.find("Read-only file system"), std::string::npos);
}

TEST(LineErrors, MaskIsMatchedWhole) {
    EXPECT_EQ(lineErrorText(line_error::kFraming), "FRAMING Error!");
    EXPECT_EQ(lineErrorText(line_error::kIo), "I/O Error!");
    EXPECT_EQ(lineErrorText(line_error::kOverrun), "OVERRUN Error!");
    EXPECT_EQ(lineErrorText(line_error::kRxBufferOverflow), "RX BUFFER OVERFLOW Error!");
    EXPECT_EQ(lineErrorText(line_error::kParity), "PARITY Error!");
    EXPECT_EQ(lineErrorText(line_error::kTxBufferFull), "TX BUFFER OVERFLOW Error!");
    EXPECT_EQ(lineErrorText(line_error::kFraming | line_error::kParity), "UNKNOWN SERIAL Error!");
    EXPECT_EQ(lineErrorText(line_error::kBreak), "UNKNOWN SERIAL Error!");
}

} // namespace
} // namespace orvane
