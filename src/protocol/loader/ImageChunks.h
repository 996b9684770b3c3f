#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace orvane {

// A firmware image read the way the modem's loader takes it: raw bytes in
// chunks that end after a line feed or after 9 bytes, whichever comes first.
class ImageChunks {
public:
    static constexpr std::size_t kMaxChunk = 9;

    explicit ImageChunks(const std::filesystem::path& image) : file_(image, std::ios::binary) {}

    bool isOpen() const { return file_.is_open(); }
    bool atEnd() { return file_.peek() == std::char_traits<char>::eof(); }
    // False when the file could not be read (the chunk is then empty).
    bool failed() const { return file_.bad(); }
    std::vector<std::uint8_t> next();

private:
    std::ifstream file_;
};

// Whether an image goes to the DSP: ".lod" in any letter case.
bool isLodImage(const std::filesystem::path& image);

} // namespace orvane
