#pragma once

#include "transfer/TransferFiles.h"

namespace orvane {

// The transfer's files on the local disk.
class DiskTransferFiles final : public TransferFiles {
public:
    std::optional<std::int64_t> fileSize(const Path& path) override;
    bool exists(const Path& path) override;
    std::unique_ptr<TransferFile> openRead(const Path& path) override;
    std::unique_ptr<TransferFile> createNew(const Path& path) override;
    std::unique_ptr<TransferFile> openAppend(const Path& path) override;
    bool remove(const Path& path) override;
    bool moveNoReplace(const Path& from, const Path& to) override;
    CodecRun implode(const Path& from, const Path& to) override;
    std::optional<Path> createTemporaryBeside(const Path& source) override;
    bool appendText(const Path& path, const std::string& text) override;
};

} // namespace orvane
