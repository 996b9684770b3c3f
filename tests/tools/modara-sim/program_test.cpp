// Runs modara-sim itself and talks to it through its link, as the console does.

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::string simulatorPath() {
    const char* dir = std::getenv("ORVANE_BIN_DIR");
    return dir != nullptr ? std::string(dir) + "/modara-sim" : std::string(MODARA_SIM_PROGRAM);
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SimulatorProcess {
public:
    ~SimulatorProcess() {
        if (port_ >= 0) ::close(port_);
        stop();
    }

    // Starts the program and waits for its ready line; returns that line.
    std::string start(std::vector<std::string> args) {
        args.insert(args.begin(), simulatorPath());
        int out[2];
        if (::pipe(out) != 0) return {};
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            std::vector<char*> argv;
            for (auto& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        std::string line;
        char c;
        pollfd fd{out[0], POLLIN, 0};
        while (::poll(&fd, 1, 10000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
            line += c;
        ::close(out[0]);
        return line;
    }

    // Opens the link like a terminal program: raw, 9600.
    bool openPort(const std::string& path) {
        port_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (port_ < 0) return false;
        termios line{};
        ::tcgetattr(port_, &line);
        ::cfmakeraw(&line);
        ::cfsetspeed(&line, B9600);
        return ::tcsetattr(port_, TCSANOW, &line) == 0;
    }

    void write(const Bytes& bytes) {
        ASSERT_EQ(::write(port_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Reads until `count` bytes have come or two seconds have passed.
    Bytes read(std::size_t count) {
        Bytes bytes;
        pollfd fd{port_, POLLIN, 0};
        while (bytes.size() < count && ::poll(&fd, 1, 2000) > 0) {
            unsigned char buffer[256];
            ssize_t n = ::read(port_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

    // SIGTERM, then the exit status.
    int stop() {
        if (pid_ <= 0) return -1;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int port_ = -1;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/modara-sim-test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        for (const char* name : {"COM7", "sim.log", "sim.raw", "control"})
            ::unlink((dir_ + "/" + name).c_str());
        ::rmdir(dir_.c_str());
    }
    std::string path(const char* name) const { return dir_ + "/" + name; }

    std::string dir_;
    SimulatorProcess sim_;
};

TEST_F(ProgramTest, AnswersTheSelfTestOnItsLinkAndCleansUpOnSigterm) {
    std::string ready = sim_.start({"--link", path("COM7"), "--log", path("sim.log"), "--raw",
                                    path("sim.raw"), "--selftest", "6"});
    ASSERT_EQ(ready.rfind("modara-sim: ready /dev/", 0), 0u) << ready;
    ASSERT_TRUE(sim_.openPort(path("COM7")));

    sim_.write({0x80, 0x02});
    EXPECT_EQ(sim_.read(3), (Bytes{0x80, 0x02, 0x06}));

    EXPECT_EQ(sim_.stop(), 0);
    struct stat info {};
    EXPECT_NE(::lstat(path("COM7").c_str(), &info), 0) << "the link is removed on exit";
    EXPECT_EQ(slurp(path("sim.raw")), std::string("\x80\x02"));
    std::string log = slurp(path("sim.log"));
    EXPECT_NE(log.find(" RX 80 02\n# QUERY_SELFTEST\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" TX 80 02 06\n"), std::string::npos) << log;
}

TEST_F(ProgramTest, RunsControlLinesFromOneWriterAfterAnother) {
    ASSERT_NE(sim_.start({"--link", path("COM7"), "--control", path("control")}), "");
    ASSERT_TRUE(sim_.openPort(path("COM7")));
    for (const char* line : {"text \"hi\"\n", "status LINKED \"K1\" 00\n"}) {
        std::ofstream control(path("control"));
        control << line;
    }
    EXPECT_EQ(sim_.read(7), (Bytes{'h', 'i', 0x80, 0x20, 'K', '1', 0x00}));
}

} // namespace
