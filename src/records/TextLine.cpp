#include "records/TextLine.h"

namespace orvane {

std::optional<std::string> TextLine::add(char c, Time now) {
    if (c == '\r' || c == '\n') {
        if (text_.empty()) return std::nullopt;
        return take();
    }
    if (c == '\b') {
        if (!text_.empty()) text_.pop_back();
        return std::nullopt;
    }
    if (c < 0x20 || c > 0x7E) return std::nullopt;
    if (text_.empty()) start_ = now;
    text_ += c;
    if (text_.size() >= kMaxLength) return take();
    return std::nullopt;
}

std::string TextLine::take() {
    std::string line;
    line.swap(text_);
    return line;
}

} // namespace orvane
