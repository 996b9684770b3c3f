#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

class Prompter;

// The session log's files: one a UTC day, "Logs/2026-12-09.log", appended to
// and closed again on every write, so that what was written survives a crash
// of the console. A write that fails is reported once; the lines it held are
// dropped and later writes are tried again.
class SessionLogFile {
public:
    struct Line {
        std::chrono::system_clock::time_point time;
        std::string text; // without the time stamp
    };

    SessionLogFile(std::filesystem::path folder, Prompter& prompter);

    void write(const std::vector<Line>& lines);
    std::filesystem::path fileFor(std::chrono::system_clock::time_point time) const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    // An empty text when the lines are in the file, else why not.
    std::string append(const std::filesystem::path& file, const std::string& text);

    std::filesystem::path folder_;
    Prompter& prompter_;
    bool failureReported_ = false;
};

} // namespace orvane
