#include "operations/tones/ToneCommands.h"

#include <array>

namespace orvane {
namespace {

using C = CommandCode;

// Quoral has three entries; its fourth place (left from an FSK list) is off.
constexpr std::array kQuoral{C::TEST_OFF, C::TEST_SINGLETONE, C::TEST_MULTITONE, C::TEST_OFF};
constexpr std::array kFsk{C::TEST_OFF, C::TEST_MARK, C::TEST_SPACE, C::TEST_MARK_SPACE};

} // namespace

CommandCode toneTestCommand(OperatingMode mode, int position) {
    const auto& list = mode == OperatingMode::Quoral ? kQuoral : kFsk;
    if (position < 0 || position >= static_cast<int>(list.size())) return C::TEST_OFF;
    return list[static_cast<std::size_t>(position)];
}

} // namespace orvane
