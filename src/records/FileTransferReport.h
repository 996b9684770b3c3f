#pragma once

#include <cstdint>
#include <string>

namespace orvane {

enum class TransferOutcome { Complete, Failed };

// What the file transfers tell the session log: each file once it is over,
// sent or received, whole or not. Called on the user-interface thread.
class FileTransferReport {
public:
    virtual ~FileTransferReport() = default;
    virtual void fileSent(const std::string& name, std::uint64_t size, TransferOutcome outcome) = 0;
    // `reason`: why a file failed, when that is known.
    virtual void fileReceived(const std::string& name, std::uint64_t size, TransferOutcome outcome,
                              const std::string& reason) = 0;
};

} // namespace orvane
