#include "FakeDeviceTree.h"
#include "serial/PortAvailability.h"

#include <gtest/gtest.h>

#include <array>

#include <sys/inotify.h>
#include <unistd.h>

namespace orvane {
namespace {

using testing::FakeDeviceTree;

// Every open of a file in the directory, as the kernel reports it (the
// listing may read the directory itself).
class OpenWatch {
public:
    explicit OpenWatch(const std::filesystem::path& dir)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        ::inotify_add_watch(fd_, dir.c_str(), IN_OPEN);
    }
    ~OpenWatch() { ::close(fd_); }
    std::vector<std::string> filesOpened() {
        std::vector<std::string> names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (char* at = buffer; at < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (!(event->mask & IN_ISDIR)) names.push_back(event->len ? event->name : "?");
                at += sizeof(inotify_event) + event->len;
            }
        return names;
    }

private:
    int fd_;
};

TEST(SerialDevices, ListsHardwareWithProductAndStableNameOpeningNoDevice) {
    FakeDeviceTree tree;
    OpenWatch watch(tree.roots().dev);
    const auto devices = listSerialDevices(tree.roots());
    EXPECT_EQ(watch.filesOpened(), std::vector<std::string>{});

    ASSERT_EQ(devices.size(), 4u);
    const std::vector<std::array<std::string, 3>> expected = {
        {"/dev/ttyACM0", "Modara USB Modem", ""},
        {"/dev/ttyS2", "", ""},
        {"/dev/ttyS10", "", ""},
        {"/dev/ttyUSB0", "FT232R USB UART", FakeDeviceTree::kAdapterById}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(devices[i].device, expected[i][0]);
        EXPECT_EQ(devices[i].product, expected[i][1]) << expected[i][0];
        EXPECT_EQ(devices[i].byId, expected[i][2]) << expected[i][0];
    }
}

// The configuration dialog's numbered list: links first claim their number.
TEST(SerialDevices, NumberedPortsAreLinksAndTheFixedNumbersNoLinkTakes) {
    FakeDeviceTree tree;
    const auto base = tree.dir() / "base";
    std::filesystem::create_directories(base / "Config/ports");
    std::filesystem::create_symlink(tree.dir() / "dev/tty0", base / "Config/ports/COM3");
    OpenWatch watch(tree.roots().dev);
    const auto ports = availablePorts(base, tree.roots());
    EXPECT_EQ(watch.filesOpened(), std::vector<std::string>{});

    std::vector<std::pair<int, std::string>> listed;
    for (const PortEntry& port : ports)
        listed.emplace_back(port.number, port.device);
    EXPECT_EQ(listed,
              (std::vector<std::pair<int, std::string>>{{3, (tree.dir() / "dev/tty0").string()},
                                                        {11, "/dev/ttyS10"},
                                                        {33, "/dev/ttyUSB0"},
                                                        {65, "/dev/ttyACM0"}}));
}

} // namespace
} // namespace orvane
