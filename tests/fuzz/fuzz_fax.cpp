// libFuzzer target: FAX reports from the air, through the in-band parser into
// the FAX display. Bytes go through the receive decoder first, so status items
// (0x80 X) land inside payloads as they can on the line. Outside a sequence,
// the data byte 0x03 stands for the operator's Panic and 0x04 for a second
// passing (the panel's clearing timer).
#include "serial/RxDecoder.h"
#include "transfer/FaxRig.h"

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XonXoffFilter filter;
    RxDecoder decoder(filter);
    FaxRig rig;
    for (std::size_t i = 0; i < size; ++i) {
        const auto item = decoder.decode(data[i]);
        if (!item) continue;
        if (!rig.parser.active() && *item == 0x03)
            rig.display.panicPressed();
        else if (!rig.parser.active() && *item == 0x04)
            rig.clock.advance(1000);
        else
            rig.receive(*item);
        // One report animates the gauge a bounded number of steps, whatever
        // figures the air carried.
        if (rig.panel.counts.size() > kMostFaxProgressSteps + 20) __builtin_trap();
        rig.panel.counts.clear();
    }
    return 0;
}
