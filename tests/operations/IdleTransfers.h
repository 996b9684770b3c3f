#pragma once
// The file transfers as the operations see them when none runs: no data to
// pump, no transfer to wait for; Panic presses are counted.

#include "operations/BinaryTransferGuard.h"
#include "operations/FaxAbortMark.h"
#include "operations/FileSenders.h"

namespace orvane::testing {

struct IdleTransfers final : FileSenders, BinaryTransferGuard, FaxAbortMark {
    bool binaryHoldsPump() const override { return false; }
    bool binaryDataPhase() const override { return false; }
    void binaryPass() override {}
    bool binarySendActive() const override { return false; }
    bool textFileSendActive() const override { return false; }
    void textFilePass() override {}
    bool binaryTransferInProgress() const override { return false; }
    void panicPressed() override { ++panics; }
    int panics = 0;
};

} // namespace orvane::testing
