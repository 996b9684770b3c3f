#pragma once
// The modem's side of a firmware download.
//
// FW_LOAD_START is answered by 0x6A, FW_ERASE by 0x0F as soon as its code arrives, and the
// image type byte by itself (0x02 when the erase fails). Every byte after that is image,
// until the console has been quiet for a second; the modem then reports 02 80 and the
// result (0x0A for success). The answers go on the line raw: the console reads them byte
// by byte with its decoder switched off.

#include "byte_text.h"
#include "sim_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace modara_sim {

class FirmwareLoader {
public:
    static constexpr Millis kImageIdle = 1000;
    static constexpr std::uint8_t kSuccess = 0x0A;
    static constexpr std::uint8_t kEraseFailed = 0x02;

    void setEraseFails(bool fails) { eraseFails_ = fails; }
    void setResult(std::uint8_t result) { result_ = result; }

    Bytes onLoadStart();
    // Nothing when no download was started.
    Bytes onEraseBegun();
    Bytes onEraseType(std::uint8_t type, Millis now);

    // While true every byte from the console is image data.
    bool takingImage() const { return takingImage_; }
    void imageByte(Millis now);
    std::size_t imageSize() const { return imageSize_; }

    // The end-of-load report once the image has ended, else nothing.
    Bytes due(Millis now);
    std::optional<Millis> nextDue() const;

private:
    bool armed_ = false;
    bool takingImage_ = false;
    bool eraseFails_ = false;
    std::uint8_t result_ = kSuccess;
    std::size_t imageSize_ = 0;
    Millis lastImageByte_ = 0;
};

} // namespace modara_sim
