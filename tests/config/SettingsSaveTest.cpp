#include "SettingsTestSupport.h"

#include "config/FileIo.h"
#include "config/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOldContent = "[callsigns]\r\nMYCALL=OLD\r\n";

class SettingsSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() / ("orvane-settings-save-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        fs::create_directories(base_ / "Config");
        changed_.set();
    }
    void TearDown() override { fs::remove_all(base_); }

    fs::path file() const { return settingsFilePath(base_); }

    void writeOldFile() const { std::ofstream(file(), std::ios::binary) << kOldContent; }

    std::string contents(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    SaveResult save(const fs::path& target) {
        return SaveSettings(target, settings_, layout_, "800B", changed_);
    }

    // A failed save names the trouble, keeps the old file and the flag, and
    // leaves no temporary file behind.
    void expectFailedSave(const SaveResult& result, std::string_view reason) {
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.error.rfind("Unable to save configuration\n\n", 0), 0u) << result.error;
        EXPECT_NE(result.error.find(reason), std::string::npos) << result.error;
        EXPECT_TRUE(changed_.isSet());
    }

    fs::path base_;
    Settings settings_;
    ScreenLayout layout_;
    ConfigChanged changed_;
};

TEST_F(SettingsSaveTest, ASaveReplacesTheOldFileAndClearsTheFlag) {
    writeOldFile();
    settings_.MYCALL = "NEW";
    ASSERT_TRUE(save(file()).ok());
    EXPECT_FALSE(changed_.isSet());
    EXPECT_EQ(contents(file()), settingsFileText(settings_, layout_, "800B"));
    EXPECT_FALSE(fs::exists(temporaryFileFor(file())));
}

TEST_F(SettingsSaveTest, AStaleTemporaryFileFromACrashIsOverwritten) {
    std::ofstream(temporaryFileFor(file()), std::ios::binary) << std::string(100000, 'x');
    ASSERT_TRUE(save(file()).ok());
    EXPECT_EQ(contents(file()), settingsFileText(settings_, layout_, "800B"));
}

TEST_F(SettingsSaveTest, ADirectoryThatCannotExistIsReported) {
    // Even root cannot create a file below a regular file.
    std::ofstream(base_ / "plain") << "x";
    expectFailedSave(save(base_ / "plain" / "Config" / "orvane.ini"), "Not a directory");
    expectFailedSave(save(base_ / "missing" / "orvane.ini"), "No such file or directory");
}

TEST_F(SettingsSaveTest, AFullDiskLeavesTheOldFileIntact) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    writeOldFile();
    fs::create_symlink("/dev/full", temporaryFileFor(file()));
    expectFailedSave(save(file()), "No space left on device");
    EXPECT_EQ(contents(file()), kOldContent);
    EXPECT_FALSE(fs::exists(fs::symlink_status(temporaryFileFor(file()))));
}

TEST_F(SettingsSaveTest, AnUnwritableTemporaryFileLeavesTheOldFileIntact) {
    writeOldFile();
    fs::create_directory(temporaryFileFor(file()));
    expectFailedSave(save(file()), "Is a directory");
    EXPECT_EQ(contents(file()), kOldContent);
}

TEST_F(SettingsSaveTest, AFailedRenameRemovesTheTemporaryFile) {
    fs::create_directories(file() / "occupied"); // a non-empty directory where the file goes
    expectFailedSave(save(file()), "Is a directory");
    EXPECT_TRUE(fs::is_directory(file() / "occupied"));
    EXPECT_FALSE(fs::exists(temporaryFileFor(file())));
}

TEST_F(SettingsSaveTest, AValueWithALineBreakCannotAddKeysToTheFile) {
    settings_.MYCALL = "G4XYZ\r\n[system]\r\nTXEnable=OFF";
    settings_.HISCALL = "W1AW\nCode=PSK31";
    ASSERT_TRUE(save(file()).ok());
    const LoadedSettings loaded = LoadSettings(file(), testing::fullHdContext());
    EXPECT_EQ(loaded.settings.MYCALL, "G4XYZ");
    EXPECT_EQ(loaded.settings.HISCALL, "W1AW");
    EXPECT_EQ(loaded.settings.TXEnable, "EN");
    EXPECT_EQ(loaded.settings.Code, 1);
}

TEST_F(SettingsSaveTest, ALinkedPrivateFileStaysALinkAndStaysPrivate) {
    const fs::path real = base_ / "real.ini";
    std::ofstream(real, std::ios::binary) << kOldContent;
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, file());
    ASSERT_TRUE(save(file()).ok());
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(contents(real), settingsFileText(settings_, layout_, "800B"));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace orvane
