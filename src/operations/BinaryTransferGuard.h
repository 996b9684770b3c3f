#pragma once

namespace orvane {

// Whether a binary file transfer is in progress; the toolbar texts and CQ
// stay out of the transmit pane meanwhile.
class BinaryTransferGuard {
public:
    virtual ~BinaryTransferGuard() = default;
    virtual bool binaryTransferInProgress() const = 0;
};

} // namespace orvane
