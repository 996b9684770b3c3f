#include "operations/broadcast/BroadcastFigures.h"

#include <array>

namespace orvane {
namespace {

struct Row {
    std::string_view modulation;
    BroadcastFigures figures;
};

constexpr std::array<Row, 6> kFigures{{
    {"BPSM", {85, 125, 75}},
    {"QPSM", {85, 250, 150}},
    {"8PSM", {255, 375, 225}},
    {"8P2A", {255, 500, 300}},
    {"16P4A", {255, 750, 450}},
    {"2DPSM", {51, 63, 38}},
}};

} // namespace

std::optional<BroadcastFigures> broadcastFigures(std::string_view modulation) {
    for (const Row& row : kFigures)
        if (row.modulation == modulation) return row.figures;
    return std::nullopt;
}

} // namespace orvane
