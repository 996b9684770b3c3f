#include "firmware_loader.h"

#include "command_table.h"

namespace modara_sim {

Bytes FirmwareLoader::onLoadStart() {
    armed_ = true;
    takingImage_ = false;
    return {cmd::FwLoadStart};
}

Bytes FirmwareLoader::onEraseBegun() {
    if (!armed_) return {};
    return {cmd::FwErase};
}

Bytes FirmwareLoader::onEraseType(std::uint8_t type, Millis now) {
    if (!armed_) return {};
    if (eraseFails_) {
        armed_ = false;
        return {kEraseFailed};
    }
    takingImage_ = true;
    imageSize_ = 0;
    lastImageByte_ = now;
    return {type};
}

void FirmwareLoader::imageByte(Millis now) {
    ++imageSize_;
    lastImageByte_ = now;
}

Bytes FirmwareLoader::due(Millis now) {
    if (!takingImage_ || now - lastImageByte_ < kImageIdle) return {};
    takingImage_ = false;
    armed_ = false;
    return {0x02, 0x80, result_};
}

std::optional<Millis> FirmwareLoader::nextDue() const {
    if (!takingImage_) return std::nullopt;
    return lastImageByte_ + kImageIdle;
}

} // namespace modara_sim
