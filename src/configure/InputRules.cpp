#include "configure/InputRules.h"

#include <cctype>
#include <limits>

namespace orvane {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isCallSignChar(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || c == '/' || c == '-';
}

} // namespace

bool acceptsNumberText(std::string_view text, NumberRange range) {
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c)) return false;
        value = value * 10 + (c - '0');
        if (value > range.highest) return false;
    }
    return true;
}

int leadingNumber(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

std::string callSignInput(std::string_view typed, std::size_t capacity) {
    std::string result;
    for (char c : typed) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (isCallSignChar(upper) && result.size() < capacity) result.push_back(upper);
    }
    return result;
}

} // namespace orvane
