// The settings file as it may be found: whatever it is, start-up reads it at
// once, uses what it understands, and nothing the operator had is lost. The
// byte-level reading is fuzzed by fuzz_ini.cpp beside this table.
#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

const std::string kOperatorsFile = "[callsigns]\r\nMYCALL=W1AW\r\n[system]\r\nComPort=1\r\n";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string withCrOnly(std::string text) {
    std::erase(text, '\n');
    return text;
}

std::string asUtf16WithMark(const std::string& ascii) {
    std::string units = "\xFF\xFE";
    for (char c : ascii) {
        units += c;
        units += '\0';
    }
    return units;
}

enum class AfterSave {
    LeftAlone,        // the save fails and the thing in the file's place is as it was
    Replaced,         // the console's own file, nothing else kept
    ReplacedWithCopy, // the console's own file, the old one in orvane.ini.bak
};

struct Row {
    const char* kind;
    std::function<void(const fs::path&)> make;
    bool valuesRead;
    bool reported;
    AfterSave after;
};

TEST(SettingsFiles, EveryKindStartsAtOnceAndKeepsItsValuesOrItsCopy) {
    const Row rows[] = {
        {"named pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, false,
         true, AfterSave::LeftAlone},
        {"link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }, false,
         true, AfterSave::LeftAlone},
        {"directory", [](const fs::path& f) { fs::create_directory(f); }, false, true,
         AfterSave::LeftAlone},
        {"2 MB of text",
         [](const fs::path& f) { write(f, kOperatorsFile + std::string(2 << 20, ';')); }, false,
         true, AfterSave::LeftAlone},
        {"CR-only line ends", [](const fs::path& f) { write(f, withCrOnly(kOperatorsFile)); }, true,
         false, AfterSave::Replaced},
        {"UTF-16 with its mark",
         [](const fs::path& f) { write(f, asUtf16WithMark(kOperatorsFile)); }, true, false,
         AfterSave::Replaced},
        {"binary junk",
         [](const fs::path& f) {
             write(f, std::string("\x7F"
                                  "ELF\x02\x01\x01\0\0\0[system]\nCode=PSK31\n",
                                  28));
             fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
         },
         false, true, AfterSave::ReplacedWithCopy},
        {"text with a line it does not know",
         [](const fs::path& f) { write(f, kOperatorsFile + "ModemSpeed=fast\r\n"); }, true, true,
         AfterSave::ReplacedWithCopy},
        {"the operator's file", [](const fs::path& f) { write(f, kOperatorsFile); }, true, false,
         AfterSave::Replaced},
    };
    const fs::path base =
        fs::temp_directory_path() / ("orvane-settings-files-" + std::to_string(::getpid()));
    const fs::path file = settingsFilePath(base);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        fs::remove_all(base);
        fs::create_directories(file.parent_path());
        row.make(file);
        const fs::path copy = settingsBackupPath(file);
        write(copy, "copy of an earlier run");
        const auto typeBefore = fs::symlink_status(file).type();
        const std::string bytesBefore = fs::is_regular_file(file) ? bytesOf(file) : "";

        LoadedSettings loaded = LoadSettings(file, {});
        EXPECT_EQ(loaded.settings.MYCALL, row.valuesRead ? "W1AW" : "MYCALL");
        EXPECT_EQ(loaded.error.empty(), !row.reported) << loaded.error;

        ConfigChanged changed;
        const SaveResult saved =
            SaveSettings(file, loaded.settings, loaded.layout, "800B", changed, loaded.care);
        if (row.after == AfterSave::LeftAlone) {
            EXPECT_TRUE(saved.leftAlone) << saved.error;
            EXPECT_EQ(fs::symlink_status(file).type(), typeBefore);
            if (fs::is_regular_file(file)) {
                EXPECT_TRUE(bytesOf(file) == bytesBefore);
            }
            EXPECT_EQ(bytesOf(copy), "copy of an earlier run");
            continue;
        }
        ASSERT_TRUE(saved.ok()) << saved.error;
        EXPECT_EQ(bytesOf(file), settingsFileText(loaded.settings, loaded.layout, "800B"));
        if (row.after == AfterSave::Replaced) {
            EXPECT_EQ(bytesOf(copy), "copy of an earlier run");
            continue;
        }
        EXPECT_EQ(bytesOf(copy), bytesBefore);
        EXPECT_EQ(fs::status(copy).permissions(), fs::status(file).permissions());

        // The file is the console's own now: the next save keeps no further copy.
        write(copy, "first copy");
        ASSERT_TRUE(
            SaveSettings(file, loaded.settings, loaded.layout, "800B", changed, loaded.care).ok());
        EXPECT_EQ(bytesOf(copy), "first copy");
    }
    fs::remove_all(base);
}

} // namespace
} // namespace orvane
