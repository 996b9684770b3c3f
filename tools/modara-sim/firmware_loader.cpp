#include "firmware_loader.h"

#include "command_table.h"

namespace modara_sim {

namespace {
constexpr const char* kStepNames[] = {"prep", "start", "erase", "type", "result"};
}

std::string stepName(LoaderStep step) {
    return kStepNames[static_cast<int>(step)];
}

std::optional<LoaderStall> parseLoaderStall(const std::string& text) {
    const auto colon = text.find(':');
    const std::string name = text.substr(0, colon);
    LoaderStall stall;
    bool known = false;
    for (int i = 0; i < 5; ++i)
        if (name == kStepNames[i]) {
            stall.step = static_cast<LoaderStep>(i);
            known = true;
        }
    if (!known) return std::nullopt;
    if (colon != std::string::npos) {
        auto ms = parseDecimal(text.substr(colon + 1));
        if (!ms || *ms < 0) return std::nullopt;
        stall.delay = *ms;
    }
    return stall;
}

Bytes FirmwareLoader::answer(LoaderStep step, Bytes bytes, Millis now) {
    if (bytes.empty() || !stall_ || stall_->step != step) return bytes;
    if (stall_->delay) {
        held_.push_back({now + *stall_->delay, std::move(bytes)});
    } else if (step == LoaderStep::Type) {
        // A modem stuck in its erase takes no image and reports nothing.
        takingImage_ = false;
        armed_ = false;
    }
    return {};
}

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

LoaderOutput FirmwareLoader::due(Millis now) {
    LoaderOutput out;
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->at > now) {
            ++it;
            continue;
        }
        out.bytes.insert(out.bytes.end(), it->bytes.begin(), it->bytes.end());
        it = held_.erase(it);
    }
    if (takingImage_ && now - lastImageByte_ >= kImageIdle) {
        takingImage_ = false;
        armed_ = false;
        out.imageEnded = true;
        const Bytes report = answer(LoaderStep::Result, {0x02, 0x80, result_}, now);
        out.bytes.insert(out.bytes.end(), report.begin(), report.end());
    }
    return out;
}

std::optional<Millis> FirmwareLoader::nextDue() const {
    std::optional<Millis> next;
    if (takingImage_) next = lastImageByte_ + kImageIdle;
    for (const Held& held : held_)
        if (!next || held.at < *next) next = held.at;
    return next;
}

} // namespace modara_sim
