#pragma once

#include "transfer/TransferFiles.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orvane {

class EchoCounter;
class FileTransferReport;
class TextFileView;
class TextSendMode;
class TransferLine;

// A prepared text file transmitted in place of typed text, one byte per
// pump pass and only when the queue is empty, its bytes unchanged.
class TextFileSend final {
public:
    TextFileSend(TransferFiles& files, TransferLine& line, EchoCounter& echoes, TextFileView& view,
                 TextSendMode& mode, FileTransferReport& report)
        : files_(files), line_(line), echoes_(echoes), view_(view), mode_(mode), report_(report) {}

    // The operator picked this file.
    void start(const std::filesystem::path& file);
    // The pump's text pass, while the send is active.
    bool sendActive() const { return sendActive_; }
    void pumpPass();
    // The 250 ms tick's display step, while progressActive().
    void progressStep();
    // Stop disk save/send.
    void stop();

    bool progressActive() const { return progressActive_; }

private:
    void finishSending();

    TransferFiles& files_;
    TransferLine& line_;
    EchoCounter& echoes_;
    TextFileView& view_;
    TextSendMode& mode_;
    FileTransferReport& report_;
    std::string name_;
    std::unique_ptr<TransferFile> file_;
    bool sendActive_ = false;
    bool progressActive_ = false;
    std::int64_t fileSize_ = 0;
    std::int64_t dataPos_ = 0;
    std::int64_t progressPos_ = 0;
};

} // namespace orvane
