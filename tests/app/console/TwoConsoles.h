#pragma once
// Two consoles in this process, each on its own simulated modem, the two modems linked over
// the air: what `scripts/demo --two` shows, with scripted answers to every dialog.

#include "ConsoleFixture.h"

#include <QDialog>

#include "e2e/ModemRig.h"

#include <QAction>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orvane {

struct Station {
    Station(const std::filesystem::path& air, std::vector<std::string> lineModel)
        : rig(simulatorArguments(air, std::move(lineModel))), t(rig.dir()) {}

    static std::vector<std::string> simulatorArguments(const std::filesystem::path& air,
                                                       std::vector<std::string> extra) {
        extra.insert(extra.begin(), {"--air", air.string()});
        return extra;
    }

    void start() {
        t.prompter.onNextDialog([](QDialog&) { return int(QDialog::Accepted); }); // COM1
        if (!t.startUp()) throw std::runtime_error("console did not start");
    }
    void trigger(const char* action) {
        t.console.mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void pressXferButton() {
        t.console.mainWindow().findChild<QPushButton*>(QStringLiteral("butXferAbort"))->click();
    }
    std::filesystem::path in() const { return rig.dir() / "In"; }
    std::vector<std::string> logLines() const {
        std::ifstream log(rig.dir() / "binxfer.log");
        std::vector<std::string> lines;
        for (std::string line; std::getline(log, line);)
            lines.push_back(line.substr(line.find('\t') + 1));
        return lines;
    }

    testing::ModemRig rig;
    ConsoleUnderTest t;
};

// ALPHA and BRAVO, linked: ALPHA's modem reports the link, and BRAVO's hears of it over the air.
struct TwoConsoles {
    explicit TwoConsoles(std::vector<std::string> lineModel = {})
        : air(std::filesystem::temp_directory_path() /
              ("orvane-air-" + std::to_string(::getpid()) + ".sock")),
          alpha(air, lineModel), bravo(air, lineModel) {
        alpha.start();
        bravo.start();
        alpha.rig.tellSimulator("status LINKED \"BRAVO\" 00");
        if (!ConsoleUnderTest::waitFor(
                [&] { return bravo.t.console.mainWindow().panel(1).startsWith("Linked to"); }))
            throw std::runtime_error("the consoles did not link over the air");
    }
    std::filesystem::path air;
    Station alpha;
    Station bravo;
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace orvane
