#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace orvane {

// RxCapture: received characters written to a file as they arrive, flushed
// after each one so the file on disk is always complete. A character that
// cannot be written ends the capture: the count never includes it.
class ReceiveCapture {
public:
    ReceiveCapture() = default;
    ~ReceiveCapture() { stop(); }
    ReceiveCapture(const ReceiveCapture&) = delete;
    ReceiveCapture& operator=(const ReceiveCapture&) = delete;

    // Opens (replacing) the file; the error text of the system when it cannot.
    bool start(const std::filesystem::path& file, std::string& error);
    void stop();
    bool isOn() const { return file_ != nullptr; }

    // CaptureChar: one byte as it is (CR already turned into LF by the caller).
    // False when the byte did not reach the file; it is then not counted and
    // the capture is closed.
    bool CaptureChar(std::uint8_t c);
    // The system's reason for the failed write that ended the capture,
    // handed out once so that the operator hears of it once.
    bool takeFailureToReport(std::string& reason);

    const std::string& RxCaptureName() const { return name_; }
    const std::filesystem::path& path() const { return path_; }
    std::uint32_t RxCaptureCount() const { return count_; }
    // Panel 6 while capturing: "rx.txt: 1234".
    std::string panelText() const { return name_ + ": " + std::to_string(count_); }

private:
    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    std::string name_;
    std::uint32_t count_ = 0;
    std::string failure_;
    bool failureReported_ = false;
};

} // namespace orvane
