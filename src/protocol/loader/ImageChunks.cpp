#include "protocol/loader/ImageChunks.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orvane {

std::vector<std::uint8_t> ImageChunks::next() {
    std::vector<std::uint8_t> chunk;
    chunk.reserve(kMaxChunk);
    while (chunk.size() < kMaxChunk) {
        const int c = file_.get();
        if (c == std::char_traits<char>::eof()) break;
        chunk.push_back(static_cast<std::uint8_t>(c));
        if (c == '\n') break;
    }
    return chunk;
}

bool isLodImage(const std::filesystem::path& image) {
    std::string extension = image.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".lod";
}

} // namespace orvane
