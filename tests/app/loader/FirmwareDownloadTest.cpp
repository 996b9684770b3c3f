#include "protocol/loader/FirmwareDownload.h"
#include "FakeLoaderPort.h"
#include "protocol/handshake/ModemIdentity.h"
#include "protocol/loader/ImageChunks.h"
#include "sequence/SequenceRunner.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompter.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::FakeLoaderPort;
using testing::FakeLoaderView;
using testing::ProcessEnded;
using testing::ScriptedPrompter;
using testing::ThrowingProcessExit;
using Bytes = std::vector<std::uint8_t>;

struct ImageDir {
    ImageDir() { fs::create_directories(path); }
    ~ImageDir() { fs::remove_all(path); }
    fs::path write(const std::string& name, const std::string& content) const {
        std::ofstream(path / name, std::ios::binary) << content;
        return path / name;
    }
    fs::path path = fs::temp_directory_path() / ("orvane-loader-" + std::to_string(::getpid()));
};

TEST(ImageChunks, LinesOfAtMostNineBytes) {
    ImageDir dir;
    const struct {
        std::string image;
        std::vector<std::size_t> chunks;
    } rows[] = {
        {std::string(25, 'x'), {9, 9, 7}},
        {"0123456789ABCDEF\r\n", {9, 9}},
        {"12345\r\n", {7}},
        {"S0\nS1\n\n", {3, 3, 1}},
        {"", {}},
    };
    for (const auto& row : rows) {
        ImageChunks chunks(dir.write("image.s28", row.image));
        std::vector<std::size_t> sizes;
        std::string joined;
        while (!chunks.atEnd()) {
            const auto chunk = chunks.next();
            sizes.push_back(chunk.size());
            joined.append(chunk.begin(), chunk.end());
        }
        EXPECT_EQ(sizes, row.chunks) << row.image;
        EXPECT_EQ(joined, row.image);
    }
    for (const auto& [name, lod] : {std::pair{"dsp.LOD", true},
                                    {"dsp.lod", true},
                                    {"cpu.s28", false},
                                    {"cpu.hex", false},
                                    {"firmware", false},
                                    {"lod", false}})
        EXPECT_EQ(isLodImage(name), lod) << name;
}

struct LoaderRun {
    std::vector<std::uint8_t> written;
    std::vector<std::string> prompts;
    bool ended = false;
    bool closed = false;
    std::vector<int> rates;
};

struct Case {
    const char* name;
    std::string image = "fw.s28";
    bool initialised = true;
    std::set<std::string> silent = {};
    bool eraseFails = false;
    std::uint8_t result = 0x0A;
    std::optional<std::size_t> refuseImageAfter = {};
    std::optional<int> abortAfterChunks = {};
    std::vector<PromptAnswer> answers = {};                  // after the image is chosen
    std::vector<std::optional<std::string>> laterFiles = {}; // file choices after the first
};

// Longer than the slowest download: every answer late to its limit.
constexpr int kLongestDownloadMs = 120'000;

// A download with everything it talks to, on the test clock.
struct LoaderBench {
    ImageDir dir;
    testing::ManualClock clock;
    SequenceRunner runner{clock};
    FakeLoaderPort port;
    FakeLoaderView view;
    ScriptedPrompter prompter;
    ThrowingProcessExit exit;
    ModemIdentity identity;
    FirmwareDownload download() {
        return FirmwareDownload({port, view, prompter, exit, runner, identity});
    }
};

LoaderRun runLoader(const Case& c) {
    LoaderBench bench;
    auto& [dir, clock, runner, port, view, prompter, exit, identity] = bench;
    identity.ModemInitialised = c.initialised;
    port.silent = c.silent;
    port.eraseFails = c.eraseFails;
    port.result = c.result;
    port.refuseImageAfter = c.refuseImageAfter;
    view.abortAfterChunks = c.abortAfterChunks;
    prompter.chooseNextFile(dir.write(c.image, "AB\nCD").string());
    for (const auto& file : c.laterFiles)
        prompter.chooseNextFile(file);
    for (PromptAnswer answer : c.answers)
        prompter.answerNext(answer);

    LoaderRun run;
    FirmwareDownload download = bench.download();
    runner.start("start-up", [&]() -> Task<> {
        try {
            co_await download.run();
        } catch (const ProcessEnded& ended) {
            run.ended = ended.code == 0;
        }
    });
    clock.advance(kLongestDownloadMs);
    run.written = port.written;
    run.prompts = prompter.texts();
    run.closed = port.closed;
    run.rates = port.rates;
    return run;
}

// The loader's commands as they go on the line.
const Bytes kPrep{0x80, 0x84}, kStart{0x80, 0x6A, 0x80, 0x07}, kErase{0x80, 0x0F},
    kShutdown{0x80, 0x09};
const Bytes kImage{'A', 'B', '\n', 'C', 'D'};

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::string kAnother = "Firmware download success! Download another?";
const std::string kRestart = "You must now restart Orvane.";

TEST(FirmwareDownload, EveryDownloadEndsTheProgramWithTheRightWordsAndBytes) {
    const struct {
        Case c;
        Bytes wire;
        std::vector<std::string> prompts; // starts of the texts
        bool portClosed = true;
    } rows[] = {
        {{.name = "success", .answers = {PromptAnswer::No}},
         join({kPrep, kStart, kErase, {0x80, 0x01}, kImage, kShutdown, kShutdown}),
         {kAnother, kRestart}},
        {{.name = "from the start-up check",
          .image = "dsp.LOD",
          .initialised = false,
          .answers = {PromptAnswer::No}},
         join({kStart, kErase, {0x80, 0x00}, kImage, kShutdown, kShutdown}),
         {kAnother, kRestart}},
        {{.name = "another, then cancel",
          .answers = {PromptAnswer::Yes},
          .laterFiles = {std::nullopt}},
         join({kPrep, kStart, kErase, {0x80, 0x01}, kImage, kShutdown, kShutdown}),
         {kAnother, kRestart}},
        {{.name = "erase fails", .eraseFails = true},
         join({kPrep, kStart, kErase, {0x80, 0x01}}),
         {"Flash memory erase failed!"},
         false},
        {{.name = "failed result", .result = 0x33},
         join({kPrep, kStart, kErase, {0x80, 0x01}, kImage, kShutdown}),
         {"Firmware download failed!"}},
        {{.name = "abort", .abortAfterChunks = 1},
         join({kPrep, kStart, kErase, {0x80, 0x01}, {'A', 'B', '\n'}, kShutdown}),
         {kRestart}},
        {{.name = "line refuses the image", .refuseImageAfter = 3},
         join({kPrep, kStart, kErase, {0x80, 0x01}, {'A', 'B', '\n'}}),
         {"Firmware download failed!\n\nThe serial port stopped taking the image after 3 of 5 "
          "bytes."}},
        {{.name = "silent prep", .silent = {"prep"}},
         join({kPrep, kShutdown}),
         {"Modem not responding!\n\nNo answer while preparing for the download within 5 seconds."}},
        {{.name = "silent start", .silent = {"start"}},
         join({kPrep, kStart, kShutdown}),
         {"Modem not responding!\n\nNo answer while starting the loader within 5 seconds."}},
        {{.name = "silent erase start", .silent = {"erase"}},
         join({kPrep, kStart, kErase, kShutdown}),
         {"Modem not responding!\n\nNo answer while starting the erase within 5 seconds."}},
        {{.name = "silent erase", .silent = {"type"}},
         join({kPrep, kStart, kErase, {0x80, 0x01}, kShutdown}),
         {"Modem not responding!\n\nNo answer while erasing the flash memory within 30 seconds."}},
        {{.name = "silent result", .silent = {"result"}},
         join({kPrep, kStart, kErase, {0x80, 0x01}, kImage, kShutdown}),
         {"Modem not responding!\n\nNo answer while writing the image into the flash memory within "
          "60 seconds."}},
    };
    for (const auto& row : rows) {
        const LoaderRun run = runLoader(row.c);
        EXPECT_TRUE(run.ended) << row.c.name;
        EXPECT_EQ(run.written, row.wire) << row.c.name;
        ASSERT_EQ(run.prompts.size(), row.prompts.size()) << row.c.name;
        for (std::size_t i = 0; i < row.prompts.size(); ++i)
            EXPECT_EQ(run.prompts[i].substr(0, row.prompts[i].size()), row.prompts[i])
                << row.c.name;
        EXPECT_EQ(run.closed, row.portClosed) << row.c.name;
    }
}

TEST(FirmwareDownload, TheLineRateIsRaisedForTheDownloadOnly) {
    const LoaderRun run = runLoader({.name = "success", .answers = {PromptAnswer::No}});
    EXPECT_EQ(run.rates, (std::vector{57600, 9600}));
}

TEST(FirmwareDownload, CancelOrAnUnreadableFileAtTheFirstChoiceLeavesTheConsoleAsItWas) {
    testing::ManualClock clock;
    SequenceRunner runner(clock);
    FakeLoaderPort port;
    FakeLoaderView view;
    ScriptedPrompter prompter;
    ThrowingProcessExit exit;
    ModemIdentity identity;
    FirmwareDownload loader({port, view, prompter, exit, runner, identity});

    prompter.chooseNextFile(std::nullopt);
    loader.start();
    EXPECT_TRUE(runner.idle());
    EXPECT_EQ(prompter.fileRequests.back().title, "Select Firmware File To Upload ...");
    prompter.chooseNextFile("/nonexistent/fw.s28");
    loader.start();
    EXPECT_TRUE(runner.idle());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Cannot open input file."});
    EXPECT_TRUE(port.routingPausedCleared);
    EXPECT_FALSE(port.suspended);
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(port.rates.empty());
}

TEST(FirmwareDownload, AnOperatorCommandArrivingMidwayGoesOutAfterTheWholeDownload) {
    LoaderBench bench;
    auto& [dir, clock, runner, port, view, prompter, exit, identity] = bench;
    identity.ModemInitialised = true;
    prompter.chooseNextFile(dir.write("fw.s28", "AB\nCD").string());
    prompter.answerNext(PromptAnswer::No);
    FirmwareDownload download = bench.download();

    download.start();
    clock.advance(50); // the modem is being told to load
    ASSERT_EQ(port.written, join({kPrep, kStart}));
    const Bytes call{0x80, 0x13, 'W', '1', 'A', 'W'};
    runner.start(
        "call",
        [&]() -> Task<> {
            EXPECT_EQ(port.tryWrite(call), call.size());
            co_return;
        },
        SequenceRunner::Kind::HeldCommand);
    clock.advance(kLongestDownloadMs);

    EXPECT_EQ(port.written, join({kPrep,
                                  kStart,
                                  kErase,
                                  {0x80, 0x01},
                                  kImage,
                                  kShutdown,
                                  kShutdown,
                                  {0x80, 0x13, 'W', '1', 'A', 'W'}}));
    EXPECT_TRUE(runner.idle());
}

} // namespace
} // namespace orvane
