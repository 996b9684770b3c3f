#include "operations/MessageFiles.h"

#include <fstream>
#include <iterator>

namespace orvane {

std::string MessageFiles::fileName(int number) {
    return number == 10 ? "wru.txt" : "hereis" + std::to_string(number) + ".txt";
}

std::string MessageFiles::defaultText(int number) {
    return number == 10 ? "WRU" : "Here is #" + std::to_string(number);
}

std::string MessageFiles::read(int number) const {
    const std::filesystem::path path = folder_ / fileName(number);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::ofstream out(path, std::ios::binary);
        out << defaultText(number);
        out.close();
        in.open(path, std::ios::binary);
        if (!in) return {};
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace orvane
