#pragma once
// Reads the simulator's output the way the console's receive decoder does, so the tests
// state what the console ends up with rather than which bytes carried it.

#include "byte_text.h"

#include <cstdint>
#include <vector>

namespace modara_sim::test {

// Items as the console queues them: a data byte, or 0x8000 | status code.
using Items = std::vector<int>;

inline constexpr int statusItem(int code) {
    return 0x8000 | code;
}

class ConsoleView {
public:
    // The console filters flow bytes only once it knows the hardware uses them.
    void setFlowFilter(bool on) { flowFilter_ = on; }

    Items decode(const Bytes& line) {
        Items items;
        for (std::uint8_t b : line) {
            if (flowFilter_) {
                if (flowEscapePending_) {
                    b &= 0xDF;
                    flowEscapePending_ = false;
                } else if (b == 0x91) {
                    flowEscapePending_ = true;
                    continue;
                } else if (b == 0x11 || b == 0x13) {
                    continue;
                }
            }
            if (state_ == 1) {
                items.push_back(statusItem(b));
                state_ = 0;
            } else if (state_ == 2) {
                items.push_back(b);
                state_ = 0;
            } else if (b == 0x80) {
                state_ = 1;
            } else if (b == 0x81) {
                state_ = 2;
            } else {
                items.push_back(b);
            }
        }
        return items;
    }

private:
    bool flowFilter_ = false;
    bool flowEscapePending_ = false;
    int state_ = 0;
};

} // namespace modara_sim::test
