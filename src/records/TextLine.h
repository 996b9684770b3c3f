#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace orvane {

// One line of traffic being put together a character at a time: printable
// ASCII is kept, backspace takes the last character back, CR or LF ends the
// line, anything else is left out. The line's time is that of its first character.
class TextLine {
public:
    static constexpr std::size_t kMaxLength = 1000;
    using Time = std::chrono::system_clock::time_point;

    // The finished line, when `c` ends one that holds text.
    std::optional<std::string> add(char c, Time now);
    // Whatever is there, as a line of its own (empty: nothing).
    std::string take();
    Time startedAt() const { return start_; }
    bool empty() const { return text_.empty(); }

private:
    std::string text_;
    Time start_{};
};

} // namespace orvane
