#include "configure/CallSignList.h"

namespace orvane {
namespace {

bool isSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t';
}

bool needsQuotes(std::string_view item) {
    if (item.empty()) return true;
    for (char c : item)
        if (isSeparator(c) || c == '"') return true;
    return false;
}

} // namespace

std::vector<std::string> splitCallList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i >= text.size()) break;
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item.push_back(text[i++]);
            }
        } else {
            while (i < text.size() && !isSeparator(text[i]))
                item.push_back(text[i++]);
        }
        items.push_back(std::move(item));
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i < text.size() && text[i] == ',') ++i;
    }
    return items;
}

std::string joinCallList(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text.push_back(',');
        if (!needsQuotes(item)) {
            text += item;
            continue;
        }
        text.push_back('"');
        for (char c : item) {
            if (c == '"') text.push_back('"');
            text.push_back(c);
        }
        text.push_back('"');
    }
    return text;
}

} // namespace orvane
