#include "transfer/TransferFiles.h"

namespace orvane {

std::size_t TransferFile::read(std::span<std::uint8_t> into) {
    std::size_t got = 0;
    while (got < into.size()) {
        const auto byte = readByte();
        if (!byte) break;
        into[got++] = *byte;
    }
    return got;
}

bool TransferFile::write(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes)
        if (!writeByte(byte)) return false;
    return true;
}

} // namespace orvane
