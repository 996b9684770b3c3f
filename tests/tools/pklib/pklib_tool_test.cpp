// pklib as an operator uses it: standard input to standard output, the
// codec's result code as the exit status, one line on standard error.
#include "transfer/implode/codec_io.h"
#include "transfer/implode/corpus.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::pklib::testing {
namespace {

namespace fs = std::filesystem;

class PklibTool : public ::testing::Test {
protected:
    void SetUp() override {
        // ORVANE_BIN_DIR when the test runner sets it, else the path the build knows.
        const char* bin = std::getenv("ORVANE_BIN_DIR");
        program_ = bin ? fs::path(bin) / "pklib" : fs::path(ORVANE_PKLIB_PATH);
        ASSERT_TRUE(fs::exists(program_)) << program_;
        dir_ = fs::temp_directory_path() /
               ("orvane-pklib-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Put(const std::string& name, const Bytes& data) {
        std::ofstream f(dir_ / name, std::ios::binary);
        f.write(reinterpret_cast<const char*>(data.data()),
                static_cast<std::streamsize>(data.size()));
    }
    Bytes Get(const std::string& name) { return ReadFileBytes((dir_ / name).string()); }
    std::string Text(const std::string& name) {
        const Bytes b = Get(name);
        return std::string(b.begin(), b.end());
    }

    // Runs pklib with the arguments, standard input and output from and to files.
    int Run(const std::string& args, const std::string& in, const std::string& out) {
        const std::string command = "'" + program_.string() + "' " + args + " < '" +
                                    (dir_ / in).string() + "' > '" + (dir_ / out).string() +
                                    "' 2> '" + (dir_ / "stderr").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path program_;
    fs::path dir_;
};

TEST_F(PklibTool, DefaultIsAsciiCodingAndA4096ByteDictionary) {
    const Bytes in = MakeText(30000, 3);
    Put("in", in);
    ASSERT_EQ(Run("implode", "in", "packed"), 0);
    const Bytes packed = Get("packed");
    EXPECT_TRUE(packed == ImplodeBytes(in, kAscii, 4096));
    EXPECT_EQ(Text("stderr"), "");
    ASSERT_EQ(Run("explode", "packed", "out"), 0);
    EXPECT_TRUE(Get("out") == in);
}

TEST_F(PklibTool, EveryCodingAndDictionaryRoundTrips) {
    const Bytes in = Concat({MakeRecords(20000, 1), MakeSource(20000, 2)});
    Put("in", in);
    for (const char* coding : {"-a", "-b"}) {
        for (unsigned dsize : {1024u, 2048u, 4096u}) {
            const std::string args =
                std::string("implode ") + coding + " -d " + std::to_string(dsize);
            ASSERT_EQ(Run(args, "in", "packed"), 0) << args;
            const Bytes packed = Get("packed");
            EXPECT_TRUE(packed == ImplodeBytes(in, coding[1] == 'a' ? kAscii : kBinary, dsize))
                << args;
            ASSERT_EQ(Run("explode", "packed", "out"), 0);
            EXPECT_TRUE(Get("out") == in) << args;
        }
    }
}

TEST_F(PklibTool, ExitStatusIsTheResultCodeWithOneLineOnStandardError) {
    Put("in", MakeText(100, 1));
    EXPECT_EQ(Run("implode -d 1000", "in", "out"), 1);
    EXPECT_EQ(Text("stderr"), "pklib: implode failed (1): invalid dictionary size\n");
    EXPECT_TRUE(Get("out").empty());

    Put("bad-dict", {0x00, 0x07, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(Run("explode", "bad-dict", "out"), 1);
    Put("bad-coding", {0x02, 0x06, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(Run("explode", "bad-coding", "out"), 2);
    EXPECT_EQ(Text("stderr"), "pklib: explode failed (2): invalid literal coding\n");
    Put("short", {0x01, 0x06, 0xff, 0xff});
    EXPECT_EQ(Run("explode", "short", "out"), 3);

    // A cut transfer file gives back what it holds, and status 4.
    const Bytes in = MakeText(20000, 5);
    Bytes packed = ImplodeBytes(in, kAscii, 4096);
    packed.resize(packed.size() / 2);
    Put("cut", packed);
    EXPECT_EQ(Run("explode", "cut", "out"), 4);
    const Bytes out = Get("out");
    EXPECT_GT(out.size(), 1000u);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), in.begin()));
    const std::string message = Text("stderr");
    EXPECT_EQ(message.rfind("pklib: explode failed (4): ", 0), 0u) << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1);
}

TEST_F(PklibTool, UsageErrorsExitWith64) {
    Put("in", {});
    for (const char* args :
         {"", "squash", "implode -x", "implode -d", "implode -d 4k", "explode -b"})
        EXPECT_EQ(Run(args, "in", "out"), 64) << args;
    EXPECT_NE(Text("stderr").find("usage: pklib"), std::string::npos);
}

} // namespace
} // namespace orvane::pklib::testing
