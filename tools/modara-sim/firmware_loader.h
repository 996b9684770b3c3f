#pragma once
// The modem's side of a firmware download.
//
// FW_LOAD_START is answered by 0x6A, FW_ERASE by 0x0F as soon as its code arrives, and the
// image type byte by itself (0x02 when the erase fails). Every byte after that is image,
// until the console has been quiet for a second; the modem then reports 02 80 and the
// result (0x0A for success). The answers go on the line raw: the console reads them byte
// by byte with its decoder switched off.
//
// A stall holds back the answer of one step, for a while or for good, so that the console's
// patience with a slow or silent modem can be watched.

#include "byte_text.h"
#include "sim_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace modara_sim {

// The loader's answers, in the order a download meets them.
enum class LoaderStep { Prep, Start, Erase, Type, Result };

struct LoaderStall {
    LoaderStep step = LoaderStep::Prep;
    std::optional<Millis> delay; // none: the answer never comes
};

// "prep", "start", "erase", "type" or "result", with ":MS" for an answer that comes late.
std::optional<LoaderStall> parseLoaderStall(const std::string& text);
std::string stepName(LoaderStep step);

struct LoaderOutput {
    Bytes bytes;             // raw, for the line
    bool imageEnded = false; // the image has just ended
};

class FirmwareLoader {
public:
    static constexpr Millis kImageIdle = 1000;
    static constexpr std::uint8_t kSuccess = 0x0A;
    static constexpr std::uint8_t kEraseFailed = 0x02;

    void setEraseFails(bool fails) { eraseFails_ = fails; }
    void setResult(std::uint8_t result) { result_ = result; }
    void setStall(std::optional<LoaderStall> stall) { stall_ = stall; }

    // The answer to `step` as it goes on the line now: empty when the stall holds it back
    // (it then comes from due() later, or never).
    Bytes answer(LoaderStep step, Bytes bytes, Millis now);

    Bytes onLoadStart();
    // Nothing when no download was started.
    Bytes onEraseBegun();
    Bytes onEraseType(std::uint8_t type, Millis now);

    // While true every byte from the console is image data.
    bool takingImage() const { return takingImage_; }
    void imageByte(Millis now);
    std::size_t imageSize() const { return imageSize_; }
    std::uint8_t result() const { return result_; }
    const std::optional<LoaderStall>& stall() const { return stall_; }

    // Held-back answers that have come due, and the end-of-load report once the image has
    // ended; raw bytes for the line.
    LoaderOutput due(Millis now);
    std::optional<Millis> nextDue() const;

private:
    bool armed_ = false;
    bool takingImage_ = false;
    bool eraseFails_ = false;
    std::uint8_t result_ = kSuccess;
    std::size_t imageSize_ = 0;
    Millis lastImageByte_ = 0;
    std::optional<LoaderStall> stall_;
    struct Held {
        Millis at;
        Bytes bytes;
    };
    std::vector<Held> held_;
};

} // namespace modara_sim
