// Files between two whole consoles over the air.
#include "TwoConsoles.h"

#include "app/FileTransfers.h"
#include "transfer/BinaryTransfer.h"

#include <gtest/gtest.h>

#include <random>

namespace orvane {
namespace {

std::vector<std::uint8_t> Random(std::size_t n) {
    std::mt19937 random(11);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::string Tail(const std::string& log) {
    return log.substr(log.size() > 3000 ? log.size() - 3000 : 0);
}

TEST(TwoConsoles, ABatchArrivesACancelledFileResumesAndAPresentOneIsRefused) {
    TwoConsoles two;
    Station& a = two.alpha;
    Station& b = two.bravo;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "Line " + std::to_string(i) + " of the station log\r\n";
    const std::vector<std::uint8_t> textBytes(text.begin(), text.end());
    const auto noise = Random(16 * 1024);
    WriteBytes(a.rig.dir() / "log.txt", textBytes);
    WriteBytes(a.rig.dir() / "noise.bin", noise);
    WriteBytes(a.rig.dir() / "empty.dat", {});

    // The batch: each file is offered for saving at BRAVO, who keeps them in In/.
    for (int i = 0; i < 3; ++i)
        b.t.prompter.chooseNextFile(std::nullopt);
    a.t.prompter.chooseNextFiles({(a.rig.dir() / "log.txt").string(),
                                  (a.rig.dir() / "noise.bin").string(),
                                  (a.rig.dir() / "empty.dat").string()});
    a.trigger("mnuFilesSendBinaryFile");
    ASSERT_TRUE(ConsoleUnderTest::waitFor([&] { return a.logLines().size() == 3; }, 60000))
        << Tail(a.rig.simulatorLog()) << "\n----\n"
        << Tail(b.rig.simulatorLog());
    EXPECT_EQ(a.logLines(),
              (std::vector<std::string>{
                  "log.txt\tPKLIB\t" + std::to_string(text.size()) + "\tComplete",
                  "noise.bin\tNONE\t16384\tComplete", "empty.dat\tNONE\t0\tComplete"}));
    EXPECT_EQ(ReadBytes(b.in() / "log.txt"), textBytes);
    EXPECT_EQ(ReadBytes(b.in() / "noise.bin"), noise);
    EXPECT_TRUE(std::filesystem::exists(b.in() / "empty.dat"));
    EXPECT_FALSE(b.t.paneText().contains(QStringLiteral("Line 1 ")));
    a.pressXferButton();
    b.pressXferButton();

    // BRAVO cancels halfway; the next send of the file resumes from the partial file.
    const auto big = Random(12000);
    WriteBytes(a.rig.dir() / "big.bin", big);
    a.t.prompter.chooseNextFiles({(a.rig.dir() / "big.bin").string()});
    a.trigger("mnuFilesSendBinaryFile");
    ASSERT_TRUE(ConsoleUnderTest::waitFor(
        [&] { return b.t.probe.transfers().binaryReceiveCounters().byteCount > 4000; }, 60000));
    b.pressXferButton();
    ASSERT_TRUE(
        ConsoleUnderTest::waitFor([&] { return !a.t.probe.transfers().binary().anyActive(); }));
    const auto held = std::filesystem::file_size(b.in() / "big.__$");
    EXPECT_GT(held, 4000u);
    b.t.prompter.chooseNextFile(std::nullopt);
    a.t.prompter.chooseNextFiles({(a.rig.dir() / "big.bin").string()});
    a.trigger("mnuFilesSendBinaryFile");
    ASSERT_TRUE(ConsoleUnderTest::waitFor([&] { return a.logLines().size() == 4; }, 60000));
    EXPECT_EQ(ReadBytes(b.in() / "big.bin"), big);
    EXPECT_NE(b.rig.received().find("\x01\x81\x81" + std::to_string(held) + "\x02"),
              std::string::npos);

    // A file BRAVO already has is refused.
    const std::size_t asked = a.t.prompter.asked().size();
    a.t.prompter.chooseNextFiles({(a.rig.dir() / "log.txt").string()});
    a.trigger("mnuFilesSendBinaryFile");
    ASSERT_TRUE(
        ConsoleUnderTest::waitFor([&] { return a.t.prompter.asked().size() > asked; }, 20000));
    EXPECT_EQ(a.t.prompter.asked().back().text, "File already exists at receiving station");
    EXPECT_EQ(a.t.prompter.asked().back().caption, "Transfer Failure");
}

} // namespace
} // namespace orvane
