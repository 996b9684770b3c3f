#include "records/SessionLogFile.h"

#include "platform/Prompter.h"
#include "records/UtcText.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

SessionLogFile::SessionLogFile(std::filesystem::path folder, Prompter& prompter)
    : folder_(std::move(folder)), prompter_(prompter) {}

std::filesystem::path SessionLogFile::fileFor(std::chrono::system_clock::time_point time) const {
    return folder_ / (utcDateText(time) + ".log");
}

void SessionLogFile::write(const std::vector<Line>& lines) {
    std::size_t first = 0;
    while (first < lines.size()) {
        // Lines of one day go to that day's file in one write.
        const auto file = fileFor(lines[first].time);
        std::string text;
        std::size_t end = first;
        for (; end < lines.size() && fileFor(lines[end].time) == file; ++end)
            text += utcSecondsText(lines[end].time) + "Z " + lines[end].text + "\n";
        const std::string error = append(file, text);
        if (!error.empty() && !failureReported_) {
            failureReported_ = true;
            prompter_.message("Orvane",
                              "The session log could not be written to " + file.string() + ": " +
                                  error + ".\nThe console goes on without it.",
                              PromptIcon::Exclamation, PromptButtons::Ok);
        }
        first = end;
    }
}

std::string SessionLogFile::append(const std::filesystem::path& file, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    std::size_t done = 0;
    std::string error;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = std::strerror(n < 0 ? errno : ENOSPC);
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && error.empty()) error = std::strerror(errno);
    return error;
}

} // namespace orvane
