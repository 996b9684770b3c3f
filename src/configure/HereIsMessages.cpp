#include "configure/HereIsMessages.h"

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

constexpr int kWruPosition = 10;

std::optional<int> positionOf(std::string_view number) {
    if (number == "WRU") return kWruPosition;
    if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') return number[0] - '0';
    return std::nullopt;
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool writeFile(const std::filesystem::path& file, std::string_view text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

std::optional<std::filesystem::path> hereIsFile(const std::filesystem::path& messageDir,
                                                std::string_view number) {
    const auto position = positionOf(number);
    if (!position) return std::nullopt;
    if (*position == kWruPosition) return messageDir / "wru.txt";
    return messageDir / ("hereis" + std::to_string(*position) + ".txt");
}

std::string hereIsDefaultText(std::string_view number) {
    if (number == "WRU") return "WRU";
    return "Here is #" + std::string(number);
}

std::string loadHereIsMessage(const std::filesystem::path& messageDir, std::string_view number) {
    const auto file = hereIsFile(messageDir, number);
    if (!file) return {};
    if (auto text = readFile(*file)) return *text;
    if (!writeFile(*file, hereIsDefaultText(number))) return {};
    return readFile(*file).value_or(std::string());
}

bool saveHereIsMessage(const std::filesystem::path& messageDir, std::string_view number,
                       std::string_view text) {
    const auto file = hereIsFile(messageDir, number);
    return file && writeFile(*file, text);
}

std::string hereIsNumberAfterStep(std::string_view number, int step) {
    const int positions = kWruPosition + 1;
    const int next = ((positionOf(number).value_or(0) + step) % positions + positions) % positions;
    return next == kWruPosition ? "WRU" : std::to_string(next);
}

} // namespace orvane
