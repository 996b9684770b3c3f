#include "terminal/ReceiveCapture.h"

#include <cerrno>
#include <cstring>

namespace orvane {

bool ReceiveCapture::start(const std::filesystem::path& file, std::string& error) {
    stop();
    file_ = std::fopen(file.c_str(), "wb");
    if (!file_) {
        error = std::strerror(errno);
        return false;
    }
    name_ = file.filename().string();
    count_ = 0;
    return true;
}

void ReceiveCapture::stop() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void ReceiveCapture::CaptureChar(std::uint8_t c) {
    if (!file_) return;
    std::fputc(c, file_);
    std::fflush(file_);
    ++count_;
}

} // namespace orvane
