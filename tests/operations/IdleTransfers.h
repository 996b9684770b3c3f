#pragma once
// The file transfers as the operations see them when none runs: no data to
// pump, no transfer to wait for; Panic presses are counted.

#include "operations/BinaryTransferGuard.h"
#include "operations/FaxAbortMark.h"
#include "operations/PumpSources.h"

namespace orvane::testing {

struct IdleTransfers final : BinaryPumpSource,
                             TextFilePumpSource,
                             BinaryTransferGuard,
                             FaxAbortMark {
    bool holdsPump() const override { return false; }
    bool dataPhaseActive() const override { return false; }
    void pumpPass() override {}
    bool sendActive() const override { return false; }
    bool binaryTransferInProgress() const override { return false; }
    void panicPressed() override { ++panics; }
    int panics = 0;
};

} // namespace orvane::testing
