// A remote station that sends what it likes: every header and stream ends in
// a clear outcome, nothing is written outside In/ and nothing there is damaged.
#include "transfer/TransferStation.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane::testing {
namespace {

using Items = std::vector<std::int32_t>;

Items Header(const std::string& name, const std::string& size, const std::string& comp,
             const std::string& method) {
    Items items{0x01, 0x80};
    for (const std::string* field : {&name, &size, &comp}) {
        for (char c : *field)
            items.push_back(static_cast<std::uint8_t>(c));
        items.push_back(0x08);
    }
    for (char c : method)
        items.push_back(static_cast<std::uint8_t>(c));
    items.push_back(0x02);
    return items;
}

Items operator+(Items a, const Items& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Items Text(const std::string& s) {
    return Items(s.begin(), s.end());
}

const Items kEnd{0x01, 0x93};
const Bytes kReady{0x01, 0x81, 0x81, 0x00, 0x02};
const Bytes kExists{0x01, 0x92};
const Bytes kFailed{0x01, 0x95};
const Bytes kComplete{0x01, 0x94};

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "hello" imploded (binary literals, 1024-byte dictionary), then cut short.
const Items kHelloImploded{0x00, 0x04, 0xD0, 0xCA, 0xD8, 0xD8, 0xDE, 0x01, 0x01, 0xFF};

std::map<std::string, std::string> FilesIn(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const Bytes bytes = entry.is_symlink()     ? Bytes{'@'}
                            : entry.is_directory() ? Bytes{}
                                                   : ReadFile(entry.path());
        files[entry.path().filename().string()] = std::string(bytes.begin(), bytes.end());
    }
    return files;
}

TEST(HostileSender, EveryHeaderAndStreamEndsClearlyInsideIn) {
    const std::map<std::string, std::string> kept{{"keep.txt", "old"}, {"link.__$", "@"}};
    const struct Row {
        const char* what;
        Items stream;
        Bytes reply;
        std::map<std::string, std::string> added;
    } rows[] = {
        {"parent folder",
         Header("../evil.txt", "3", "3", "NONE") + Text("abc") + kEnd,
         kReady + kComplete,
         {{"evil.txt", "abc"}}},
        {"absolute path",
         Header("/etc/passwd", "1", "1", "NONE") + Text("x") + kEnd,
         kReady + kComplete,
         {{"passwd", "x"}}},
        {"drive and backslashes",
         Header("C:\\dos\\..\\x.bin", "1", "1", "NONE") + Text("y") + kEnd,
         kReady + kComplete,
         {{"x.bin", "y"}}},
        {"bare drive letter",
         Header("D:y.txt", "0", "0", "NONE") + kEnd,
         kReady + kComplete,
         {{"y.txt", ""}}},
        {"dot dot alone", Header("..", "1", "1", "NONE") + Text("z") + kEnd, kFailed, {}},
        {"trailing slash", Header("dir/", "1", "1", "NONE"), kFailed, {}},
        {"control character", Header("a\tb", "1", "1", "NONE"), kFailed, {}},
        {"our partial extension", Header("x.__$", "1", "1", "NONE"), kFailed, {}},
        {"name without end", Items{0x01, 0x80} + Text(std::string(300, 'n')), kFailed, {}},
        {"existing file", Header("keep.txt", "3", "3", "NONE") + Text("new") + kEnd, kExists, {}},
        {"partial planted as a link",
         Header("link.txt", "3", "3", "NONE") + Text("abc") + kEnd,
         kFailed,
         {}},
        {"size with a letter", Header("s.txt", "1a", "2", "PKLIB"), kFailed, {}},
        {"negative size", Header("s.txt", "-5", "5", "NONE"), kFailed, {}},
        {"size out of range", Header("s.txt", "99999999999", "9", "PKLIB"), kFailed, {}},
        {"empty size", Header("s.txt", "", "", "NONE"), kFailed, {}},
        {"unknown method", Header("s.txt", "3", "3", "ZIP"), kFailed, {}},
        {"stored sizes disagree", Header("s.txt", "3", "4", "NONE"), kFailed, {}},
        {"data beyond the size",
         Header("b.txt", "3", "3", "NONE") + Text("abcdef") + kEnd,
         kReady + kComplete,
         {{"b.txt", "abc"}}},
        {"data short of the size",
         Header("c.txt", "5", "5", "NONE") + Text("abc") + kEnd,
         kReady + kFailed,
         {}},
        {"escapes at the end",
         Header("e.bin", "2", "2", "NONE") + Items{1, 0x90, 1, 0x91} + kEnd,
         kReady + kComplete,
         {{"e.bin", std::string("\0\1", 2)}}},
        {"compressed data cut short",
         Header("h.txt", "5", "10", "PKLIB") + kHelloImploded + kEnd,
         kReady + kFailed,
         {}},
        {"compressed garbage",
         Header("g.txt", "9", "6", "PKLIB") + Text("garbag") + kEnd,
         kReady + kFailed,
         {}},
        {"stream cut inside the data",
         Header("t.txt", "9", "9", "NONE") + Text("abc"),
         kReady,
         {{"t.__$", "abc"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Station b("hostile");
        WriteFile(b.dir / "In/keep.txt", {'o', 'l', 'd'});
        WriteFile(b.dir / "outside.txt", {'o', 'u', 't'});
        std::filesystem::create_symlink("../outside.txt", b.dir / "In/link.__$");
        b.prompter.chooseNextFile(std::nullopt);

        b.receive(row.stream);
        b.transfer.stop(); // closes what is still open

        EXPECT_EQ(OverTheAir(b.line.sent), OverTheAir(row.reply));
        auto expected = kept;
        expected.insert(row.added.begin(), row.added.end());
        EXPECT_EQ(FilesIn(b.dir / "In"), expected);
        EXPECT_EQ(FilesIn(b.dir),
                  (std::map<std::string, std::string>{{"In", ""}, {"outside.txt", "out"}}));
    }
}

TEST(HostileSender, StatusesBetweenHeaderFieldsGoToTheDispatcher) {
    Station b("statuses");
    Items stream = Header("s.txt", "1", "1", "NONE");
    stream.insert(stream.begin() + 4, 0x8000 | 0x7A);
    stream.insert(stream.begin() + 1, 0x8000 | 0x31);
    b.receive(stream + Text("q") + kEnd);
    EXPECT_EQ(b.statuses, (std::vector<std::uint8_t>{0x31, 0x7A}));
    EXPECT_EQ(ReadFile(b.dir / "In/s.txt"), (Bytes{'q'}));
}

// The data bytes of a file as they arrive: 0x00 and 0x01 as their in-band codes.
Items Escaped(const Bytes& data) {
    Items items;
    for (std::uint8_t byte : data) {
        if (byte <= 0x01) items.push_back(0x01);
        items.push_back(byte == 0x00 ? 0x90 : byte == 0x01 ? 0x91 : byte);
    }
    return items;
}

// 8 MB of zeros compressed to a few kilobytes and announced as 100 bytes:
// the expansion stops at the announced size instead of filling the disk.
TEST(HostileSender, ADecompressionBombIsRefusedBeforeItOutgrowsItsAnnouncedSize) {
    MeteredDisk disk;
    Station b("bomb", &disk);
    WriteFile(b.dir / "zeros", Bytes(8 << 20, 0x00));
    ASSERT_TRUE(disk.implode(b.dir / "zeros", b.dir / "bomb").ok());
    const Bytes bomb = ReadFile(b.dir / "bomb");
    ASSERT_LT(bomb.size(), 64u * 1024);

    b.receive(Header("bomb.bin", "100", std::to_string(bomb.size()), "PKLIB") + Escaped(bomb) +
              kEnd);

    EXPECT_EQ(OverTheAir(b.line.sent), OverTheAir(kReady + kFailed));
    EXPECT_LE(disk.writtenTo[b.dir / "In/bomb.bin"], 100 + 4096);
    EXPECT_EQ(b.view.result, "Failed!");
    EXPECT_EQ(b.view.reason, "expands beyond the 100 bytes announced");
    EXPECT_EQ(b.report.reasons,
              (std::vector<std::string>{"expands beyond the 100 bytes announced"}));
    EXPECT_EQ(FilesIn(b.dir / "In"), (std::map<std::string, std::string>{}));
}

// A stream that stops in the middle ends after the stall time, counted from
// its last byte, as the abort button ends it; what comes after is text again.
TEST(HostileSender, ACutStreamEndsAfterTheStallTimeAndLaterTextReachesThePane) {
    Station b("cut");
    b.settings.ReceiveStallSeconds = 60;
    b.receive(Header("cut2.bin", "9", "9", "NONE") + Text("ab"));
    b.clock.advance(30'000);
    b.receive(Text("c"));
    b.line.take();
    b.clock.advance(59'999);
    EXPECT_TRUE(b.transfer.receiver().BinaryReceiveActive());
    EXPECT_TRUE(b.line.sent.empty());

    b.clock.advance(1);
    EXPECT_FALSE(b.transfer.anyActive());
    EXPECT_EQ(OverTheAir(b.line.take()), (Bytes{0x01, 0x96}));
    EXPECT_EQ(b.line.commands, (std::vector<CommandCode>{CommandCode::SW9_ON}));
    EXPECT_EQ(b.view.result, "Failed!");
    EXPECT_EQ(b.view.reason, "nothing arrived for 60 s; In/cut2.__$ (3 bytes) kept for a resume");
    EXPECT_EQ(b.report.lines, (std::vector<std::string>{"received cut2.bin 9 failed"}));

    b.receive(Text("GA OM\r\n"));
    EXPECT_EQ(b.text, "GA OM\r\n");
    EXPECT_EQ(FilesIn(b.dir / "In"), (std::map<std::string, std::string>{{"cut2.__$", "abc"}}));
}

} // namespace
} // namespace orvane::testing
