#include "terminal/ReceiveCapture.h"

#include <cerrno>
#include <cstring>

namespace orvane {

bool ReceiveCapture::start(const std::filesystem::path& file, std::string& error) {
    stop();
    path_ = file;
    name_ = file.filename().string();
    count_ = 0;
    failure_.clear();
    failureReported_ = false;
    file_ = std::fopen(file.c_str(), "wb");
    if (!file_) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

void ReceiveCapture::stop() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool ReceiveCapture::CaptureChar(std::uint8_t c) {
    if (!file_) return false;
    errno = 0;
    if (std::fputc(c, file_) == EOF || std::fflush(file_) != 0) {
        failure_ = std::strerror(errno != 0 ? errno : EIO);
        stop();
        return false;
    }
    ++count_;
    return true;
}

bool ReceiveCapture::takeFailureToReport(std::string& reason) {
    if (failure_.empty() || failureReported_) return false;
    failureReported_ = true;
    reason = failure_;
    return true;
}

} // namespace orvane
