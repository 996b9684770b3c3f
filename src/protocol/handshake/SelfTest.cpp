#include "protocol/handshake/SelfTest.h"

namespace orvane {

const char* const kVendorContactLines = "Please contact Zarvel customer support\n"
                                        "and have the modem's serial number at hand.";

SelfTestVerdict judgeSelfTest(std::int8_t code) {
    using Action = SelfTestVerdict::Action;
    const std::string contact = kVendorContactLines;
    switch (code) {
    case 1: return {Action::EndProgram, "BOOT BLOCK failure!\n\n" + contact, false};
    case 2: return {Action::OfferReload, "LOD memory error!\n\nReload LOD?", false};
    case 4: return {Action::OfferReload, "S28 memory error!\n\nReload S28?", false};
    case 6: return {Action::OfferReload, "LOD and S28 memory errors!\n\nReload firmware?", true};
    case 8: return {Action::EndProgram, "DSP failure!\n\n" + contact, false};
    case 12: return {Action::EndProgram, "Incorrect S28 for the BOOT BLOCK!\n\n" + contact, false};
    default: return {};
    }
}

} // namespace orvane
