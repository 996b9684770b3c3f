// Two real consoles, each on its own simulated modem, the modems linked over the air; the
// operator at ALPHA picks three files by keys in the file dialog, BRAVO's operator answers
// each save question by keys.
#include "e2e/ModemRig.h"
#include "e2e/VirtualDisplay.h"

#include <fstream>
#include <iterator>
#include <random>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string randomBytes(std::size_t n) {
    std::mt19937 random(11);
    std::string bytes(n, '\0');
    for (auto& b : bytes)
        b = static_cast<char>(random());
    return bytes;
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::size_t count(const std::string& haystack, const std::string& needle) {
    std::size_t n = 0;
    for (auto at = haystack.find(needle); at != std::string::npos;
         at = haystack.find(needle, at + 1))
        ++n;
    return n;
}

std::vector<std::string> logLines(const fs::path& log) {
    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
}

const std::string kMainTitle = "^Zarvel Orvane";

TEST(TwoOrvanes, ABatchChosenByKeysArrivesWholeWithHeaderResultAndLogLine) {
    if (!VirtualDisplay::available()) GTEST_SKIP() << "needs Xvfb and xdotool (scripts/bootstrap)";
    const fs::path air =
        fs::temp_directory_path() / ("orvane-air2-" + std::to_string(::getpid()) + ".sock");
    ModemRig alpha({"--air", air.string()});
    ModemRig bravo({"--air", air.string()});
    VirtualDisplay x(alpha.dir());
    alpha.writeSettings("[system]\r\nComPort=1\r\n[callsigns]\r\nMYCALL=ALPHA\r\n");
    bravo.writeSettings("[system]\r\nComPort=1\r\n[callsigns]\r\nMYCALL=BRAVO\r\n");
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "Line " + std::to_string(i) + " of the report from ALPHA\r\n";
    const std::string noise = randomBytes(64 * 1024);
    writeFile(alpha.dir() / "notes.txt", text);
    writeFile(alpha.dir() / "noise.bin", noise);
    writeFile(alpha.dir() / "empty.dat", "");

    const pid_t a = alpha.startConsoleOnDisplay(x.name()).pid();
    const pid_t b = bravo.startConsoleOnDisplay(x.name()).pid();
    const auto alphaWindow = x.window(a, kMainTitle, 30s);
    const auto bravoWindow = x.window(b, kMainTitle, 30s);
    ASSERT_TRUE(alphaWindow && bravoWindow) << alpha.consoleOutput() << bravo.consoleOutput();
    x.place(*alphaWindow, 0, 0, 635, 600);
    x.place(*bravoWindow, 645, 0, 635, 600);
    alpha.tellSimulator("status LINKED \"BRAVO\" 00");

    // Files > Send binary file..., which the link enables.
    std::optional<std::string> dialog;
    for (int attempt = 0; attempt < 10 && !dialog; ++attempt) {
        x.focus(*alphaWindow);
        x.keys("alt+f");
        x.keys("b");
        dialog = x.window(a, "Select File For Binary Transfer", 2s);
        if (!dialog) x.keys("Escape");
    }
    ASSERT_TRUE(dialog) << "the file dialog did not open";
    x.focus(*dialog);
    x.type("\"notes.txt\" \"noise.bin\" \"empty.dat\"");
    x.keys("Return");

    // BRAVO's operator keeps each file where it arrived.
    const char* shots = std::getenv("ORVANE_SHOT_DIR");
    for (int file = 0; file < 3; ++file) {
        if (file == 1 && shots) {
            waitUntil(
                [&] {
                    return fs::exists(bravo.dir() / "In" / "noise.__$") &&
                           fs::file_size(bravo.dir() / "In" / "noise.__$") > 16 * 1024;
                },
                60s);
            x.screenshot(fs::path(shots) / "two-orvanes-transfer.png");
        }
        // The question names the file it has already kept; Cancel leaves it there.
        const auto save = x.window(b, "^Kept as In/", 120s);
        ASSERT_TRUE(save) << "no save question for file " << file << "\n" << x.titles(b);
        x.focus(*save);
        x.keys("Escape");
        ASSERT_TRUE(x.gone(b, *save, 10s)) << *save << "\n" << x.titles(b);
    }
    ASSERT_TRUE(waitUntil([&] { return logLines(alpha.dir() / "binxfer.log").size() == 3; }, 30s));

    EXPECT_EQ(readFile(bravo.dir() / "In" / "notes.txt"), text);
    EXPECT_EQ(readFile(bravo.dir() / "In" / "noise.bin"), noise);
    EXPECT_TRUE(fs::exists(bravo.dir() / "In" / "empty.dat"));
    EXPECT_EQ(readFile(bravo.dir() / "In" / "empty.dat"), "");
    const std::string size = std::to_string(text.size());
    EXPECT_EQ(logLines(alpha.dir() / "binxfer.log"),
              (std::vector<std::string>{"notes.txt\tPKLIB\t" + size + "\tComplete",
                                        "noise.bin\tNONE\t65536\tComplete",
                                        "empty.dat\tNONE\t0\tComplete"}));
    // What ALPHA said to its modem, and BRAVO to its own.
    const std::string sent = alpha.received();
    EXPECT_NE(sent.find("\x01\x81\x80notes.txt\x08" + size + "\x08"), std::string::npos);
    EXPECT_NE(sent.find("\x01\x81\x80noise.bin\x08"
                        "65536\x08"
                        "65536\x08NONE\x02"),
              std::string::npos);
    EXPECT_NE(sent.find("\x01\x81\x80"
                        "empty.dat\x08"
                        "0\x08"
                        "0\x08NONE\x02"),
              std::string::npos);
    const std::string answered = bravo.received();
    EXPECT_EQ(count(answered, std::string("\x01\x81\x81\x00\x02", 5)), 3u) << "three ready replies";
    EXPECT_EQ(count(answered, "\x01\x94"), 3u) << "three results: complete";

    for (ModemRig* rig : {&alpha, &bravo}) {
        rig->console().signal(SIGTERM);
        EXPECT_EQ(rig->console().waitForExit(10s), 0);
    }
}

} // namespace
} // namespace orvane::testing
