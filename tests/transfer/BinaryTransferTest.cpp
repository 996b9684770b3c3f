// Two consoles' transfer sides back to back: what one sends to its modem
// reaches the other as its modem delivers it.
#include "transfer/TransferStation.h"
#include "transfer/WireEscaping.h"

#include "transfer/TransferLog.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>

namespace orvane::testing {
namespace {

// Moves bytes both ways and runs the sender's data phase until nothing moves.
void Exchange(Station& a, Station& b, int maxPasses = 1 << 22) {
    for (int pass = 0; pass < maxPasses; ++pass) {
        if (a.transfer.dataPhaseActive()) a.transfer.pumpPass();
        const Bytes ab = OverTheAir(a.line.take());
        const Bytes ba = OverTheAir(b.line.take());
        if (ab.empty() && ba.empty()) return;
        b.receive(ab);
        a.receive(ba);
    }
}

std::vector<std::string> LogLines(const Station& s) {
    std::ifstream in(s.dir / "binxfer.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
}

TEST(WireEscaping, FileDataAndSequencesAsTheModemMustReceiveThem) {
    const struct {
        Bytes in;
        Bytes wire;
    } rows[] = {
        {{0x00}, {0x01, 0x90}}, {{0x01}, {0x01, 0x91}}, {{0x80}, {0x81, 0x80}},
        {{0x81}, {0x81, 0x81}}, {{0x82}, {0x82}},       {{0x02, 0x08, 0xFF}, {0x02, 0x08, 0xFF}},
    };
    for (const auto& row : rows) {
        Bytes out;
        for (auto b : row.in)
            AppendFileData(out, b);
        EXPECT_EQ(out, row.wire);
    }
    EXPECT_EQ(EncodeHeader({"a.txt", "3", "3", "NONE"}),
              (Bytes{0x01, 0x81, 0x80, 'a', '.', 't', 'x', 't', 0x08, '3', 0x08, '3', 0x08, 'N',
                     'O', 'N', 'E', 0x02}));
    EXPECT_EQ(EncodeReady(0), (Bytes{0x01, 0x81, 0x81, 0x00, 0x02}));
    EXPECT_EQ(EncodeReady(1234), (Bytes{0x01, 0x81, 0x81, '1', '2', '3', '4', 0x02}));
}

TEST(BinaryTransfer, BatchOfTextRandomAndEmptyFilesArrivesIntactAndLogged) {
    Station a("batch-a"), b("batch-b");
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "The quick brown fox " + std::to_string(i) + "\r\n";
    const Bytes textBytes(text.begin(), text.end());
    const Bytes random = RandomBytes(64 * 1024, 7);
    WriteFile(a.dir / "notes.txt", textBytes);
    WriteFile(a.dir / "noise.bin", random);
    WriteFile(a.dir / "empty.dat", {});
    for (int i = 0; i < 3; ++i)
        b.prompter.chooseNextFile(std::nullopt); // save dialog cancelled

    a.transfer.sendFiles({a.dir / "notes.txt", a.dir / "noise.bin", a.dir / "empty.dat"});
    Exchange(a, b);

    EXPECT_EQ(ReadFile(b.dir / "In/notes.txt"), textBytes);
    EXPECT_EQ(ReadFile(b.dir / "In/noise.bin"), random);
    EXPECT_TRUE(std::filesystem::exists(b.dir / "In/empty.dat"));
    EXPECT_EQ(std::filesystem::file_size(b.dir / "In/empty.dat"), 0u);
    EXPECT_EQ(LogLines(a),
              (std::vector<std::string>{
                  "notes.txt\tPKLIB\t" + std::to_string(text.size()) + "\tComplete",
                  "noise.bin\tNONE\t65536\tComplete", "empty.dat\tNONE\t0\tComplete"}));
    EXPECT_FALSE(a.transfer.anyActive());
    EXPECT_FALSE(b.transfer.anyActive());
    EXPECT_EQ(a.view.result, "Complete!");
    EXPECT_EQ(b.view.result, "Complete!");
    const std::string textSize = std::to_string(text.size());
    EXPECT_EQ(a.report.lines, (std::vector<std::string>{"sent notes.txt " + textSize + " complete",
                                                        "sent noise.bin 65536 complete",
                                                        "sent empty.dat 0 complete"}));
    EXPECT_EQ(b.report.lines,
              (std::vector<std::string>{"received In/notes.txt " + textSize + " complete",
                                        "received In/noise.bin 65536 complete",
                                        "received In/empty.dat 0 complete"}));
    EXPECT_TRUE(b.text.empty()); // nothing of the transfer leaked into the receive pane
    EXPECT_FALSE(std::filesystem::exists(a.dir / "notes.__$"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(b.dir / "In"), {}), 3);
}

// After a file has arrived in In/, the operator is asked once where it should
// stay. Each row is the next file of one session.
TEST(BinaryTransfer, TheSaveQuestionKeepsMovesOrReplacesButNeverTheFileItself) {
    Station a("save-a"), b("save-b");
    const auto home = b.dir / "home", saved = b.dir / "saved";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(saved);
    WriteFile(saved / "d.bin", {9});
    const struct {
        const char* name;
        std::optional<std::filesystem::path> chosen; // none: Cancel
        std::filesystem::path startsIn;
        std::filesystem::path endsAt;
        std::string logged;
        bool askedToReplace;
    } rows[] = {
        {"a.bin", std::nullopt, home, b.dir / "In/a.bin", "In/a.bin", false},
        {"b.bin", b.dir / "In/b.bin", home, b.dir / "In/b.bin", "In/b.bin", false},
        {"c.bin", saved / "c.bin", home, saved / "c.bin", (saved / "c.bin").string(), false},
        {"d.bin", saved / "d.bin", saved, saved / "d.bin", (saved / "d.bin").string(), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Bytes content{1, 2, 3};
        WriteFile(a.dir / row.name, content);
        b.prompter.chooseNextFile(row.chosen ? std::optional(row.chosen->string()) : std::nullopt);
        const std::size_t askedBefore = b.prompter.asked().size();
        b.report.lines.clear();

        a.transfer.sendFiles({a.dir / row.name});
        Exchange(a, b);

        const FileDialogRequest& question = b.prompter.fileRequests.back();
        EXPECT_NE(question.title.find("Kept as In/" + std::string(row.name)), std::string::npos)
            << question.title;
        EXPECT_EQ(question.startFolder, row.startsIn.string());
        EXPECT_FALSE(question.confirmOverwrite);
        EXPECT_EQ(ReadFile(row.endsAt), content);
        EXPECT_EQ(std::filesystem::exists(b.dir / "In" / row.name),
                  row.endsAt.parent_path() == b.dir / "In");
        EXPECT_EQ(b.prompter.asked().size() - askedBefore, row.askedToReplace ? 1u : 0u);
        EXPECT_EQ(b.report.lines,
                  std::vector<std::string>{"received " + row.logged + " 3 complete"});
    }
}

// The header waits for what was queued before it; an abort meanwhile ends
// the send before it goes.
TEST(BinaryTransfer, HeaderWaitsForTheQueueToEmpty) {
    Station a("queued-a");
    WriteFile(a.dir / "f.txt", {'a', 'b'});
    a.line.queued = 3;
    a.transfer.sendFiles({a.dir / "f.txt"});
    EXPECT_TRUE(a.line.sent.empty());
    EXPECT_TRUE(a.transfer.holdsPump()); // typed text waits with it
    a.line.emptied();
    EXPECT_EQ(a.line.take(), (Bytes{0x01, 0x81, 0x80, 'f', '.', 't', 'x', 't', 0x08, '2', 0x08, '2',
                                    0x08, 'N', 'O', 'N', 'E', 0x02}));

    a.line.queued = 3;
    a.transfer.sendFiles({a.dir / "f.txt"});
    a.transfer.butXferAbortClick();
    a.line.emptied();
    EXPECT_EQ(a.line.take(), (Bytes{0x01, 0x96}));
    EXPECT_FALSE(a.transfer.anyActive());
}

TEST(BinaryTransfer, CancelledHalfwayResumesFromThePartialFile) {
    Station a("resume-a"), b("resume-b");
    const Bytes random = RandomBytes(20000, 3);
    WriteFile(a.dir / "data.bin", random);
    a.transfer.sendFiles({a.dir / "data.bin"});
    Exchange(a, b, 900);
    b.transfer.butXferAbortClick();
    Exchange(a, b);
    EXPECT_FALSE(a.transfer.anyActive());
    const auto held = std::filesystem::file_size(b.dir / "In/data.__$");
    ASSERT_GT(held, 1000u);

    b.prompter.chooseNextFile(std::nullopt);
    a.transfer.sendFiles({a.dir / "data.bin"});
    b.receive(OverTheAir(a.line.take())); // the header
    const std::string offset = std::to_string(held);
    Bytes ready{0x01, 0x81, 0x81};
    ready.insert(ready.end(), offset.begin(), offset.end());
    ready.push_back(0x02);
    EXPECT_EQ(b.line.sent, ready);
    Exchange(a, b);

    EXPECT_EQ(a.report.lines, (std::vector<std::string>{"sent data.bin 20000 failed",
                                                        "sent data.bin 20000 complete"}));
    EXPECT_EQ(b.report.lines, (std::vector<std::string>{"received data.bin 20000 failed",
                                                        "received In/data.bin 20000 complete"}));
    EXPECT_EQ(ReadFile(b.dir / "In/data.bin"), random);
    EXPECT_FALSE(std::filesystem::exists(b.dir / "In/data.__$"));
    EXPECT_EQ(LogLines(a), (std::vector<std::string>{"data.bin\tNONE\t20000\tComplete"}));
}

TEST(BinaryTransfer, RefusalsAndFailuresEndTheBatch) {
    {
        Station a("exists-a"), b("exists-b");
        WriteFile(a.dir / "x.txt", {'n', 'e', 'w'});
        WriteFile(a.dir / "y.txt", {'y'});
        WriteFile(b.dir / "In/x.txt", {'o', 'l', 'd'});
        a.transfer.sendFiles({a.dir / "x.txt", a.dir / "y.txt"});
        Exchange(a, b);
        EXPECT_EQ(a.prompter.texts(),
                  std::vector<std::string>{"File already exists at receiving station"});
        EXPECT_EQ(ReadFile(b.dir / "In/x.txt"), (Bytes{'o', 'l', 'd'}));
        EXPECT_FALSE(std::filesystem::exists(b.dir / "In/y.txt"));
        EXPECT_FALSE(a.view.visible);
        EXPECT_FALSE(a.transfer.anyActive());
    }
    {
        // A byte spoilt on the way: the expansion fails and the batch stops.
        Station a("spoilt-a"), b("spoilt-b");
        std::string text(5000, 'a');
        for (std::size_t i = 0; i < text.size(); i += 7)
            text[i] = static_cast<char>('b' + i % 13);
        WriteFile(a.dir / "one.txt", Bytes(text.begin(), text.end()));
        WriteFile(a.dir / "two.txt", {'2'});
        a.transfer.sendFiles({a.dir / "one.txt", a.dir / "two.txt"});
        b.receive(OverTheAir(a.line.take()));
        a.receive(OverTheAir(b.line.take()));
        for (int i = 0; i < 40; ++i)
            a.transfer.pumpPass();
        Bytes air = OverTheAir(a.line.take());
        air[30] ^= 0x5A;
        b.receive(air);
        Exchange(a, b);
        EXPECT_EQ(b.view.result, "Failed!");
        EXPECT_EQ(a.view.result, "Failed!");
        EXPECT_EQ(LogLines(a), (std::vector<std::string>{"one.txt\tPKLIB\t5000\tFailed"}));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(b.dir / "In"), {}), 0);
    }
}

// The disk fills up in the middle of a file, or is full from its first byte:
// the receive ends at once, says why in the panel and once in the session
// log, lets what the sender had under way pass without showing it as text,
// and keeps a partial file only when it holds data.
TEST(BinaryTransfer, AFullDiskEndsTheReceiveOnceWithItsReasonAndNothingLeaks) {
    const struct Row {
        std::int64_t room;
        const char* reason;
        std::map<std::string, std::string> leftInIn;
    } rows[] = {
        {0, "No space left on device", {}},
        {100,
         "No space left on device; In/big.__$ (100 bytes) kept for a resume",
         {{"big.__$", "100 bytes"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.room);
        MeteredDisk full;
        full.room = row.room;
        Station a("full-a"), b("full-b", &full);
        WriteFile(a.dir / "big.bin", RandomBytes(3000, 5));
        a.transfer.sendFiles({a.dir / "big.bin"});
        b.receive(OverTheAir(a.line.take())); // the header
        a.receive(OverTheAir(b.line.take())); // ready
        for (int i = 0; i < 40; ++i)
            a.transfer.pumpPass(); // 400 bytes on their way when the disk fills
        b.receive(OverTheAir(a.line.take()));
        Exchange(a, b);
        b.clock.advance(BinaryReceiver::kDrainQuietMs);
        b.receive(Bytes{'7', '3'});

        EXPECT_EQ(b.text, "73");
        EXPECT_EQ(b.view.result, "Failed!");
        EXPECT_EQ(b.view.reason, row.reason);
        EXPECT_EQ(b.report.lines, (std::vector<std::string>{"received big.bin 3000 failed"}));
        EXPECT_EQ(b.report.reasons, (std::vector<std::string>{row.reason}));
        EXPECT_EQ(LogLines(a), (std::vector<std::string>{"big.bin\tNONE\t3000\tFailed"}));
        std::map<std::string, std::string> inIn;
        for (const auto& entry : std::filesystem::directory_iterator(b.dir / "In"))
            inIn[entry.path().filename().string()] = std::to_string(entry.file_size()) + " bytes";
        EXPECT_EQ(inIn, row.leftInIn);
        EXPECT_FALSE(a.transfer.anyActive());
        EXPECT_FALSE(b.routing.BinaryReceiveActive);
    }
}

// The log's date and time are the system's short date and long time; the
// C locale names them 12/31/99 and 23:59:58.
TEST(TransferLog, DateAndTimeInTheSystemsFormats) {
    using namespace std::chrono;
    std::setlocale(LC_TIME, "C");
    const auto at = sys_days{1999y / December / 31} + 23h + 59min + 58s;
    EXPECT_EQ(TransferLogLine(at, "notes.txt", "PKLIB", 1234, true),
              "12/31/99  23:59:58\tnotes.txt\tPKLIB\t1234\tComplete\n");
    EXPECT_EQ(TransferLogLine(at, "a.bin", "NONE", 0, false),
              "12/31/99  23:59:58\ta.bin\tNONE\t0\tFailed\n");
}

} // namespace
} // namespace orvane::testing
