#include "transfer/FileHeader.h"

#include "transfer/WireEscaping.h"

namespace orvane {

namespace {
constexpr std::size_t kLongestName = 255;
constexpr std::string_view kPartialExtension = ".__$";

bool HasControlCharacter(std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}
} // namespace

std::optional<std::int64_t> ParseDecimal(std::string_view text, std::int64_t largest) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > largest) return std::nullopt;
    return value;
}

Bytes EncodeHeader(const FileHeader& header) {
    Bytes out = InBandSequence(inband::kHeader);
    AppendModemData(out, header.name);
    out.push_back(inband::kFieldEnd);
    AppendModemData(out, header.sizeText);
    out.push_back(inband::kFieldEnd);
    AppendModemData(out, header.compressedSizeText);
    out.push_back(inband::kFieldEnd);
    AppendModemData(out, header.method);
    out.push_back(inband::kSequenceEnd);
    return out;
}

Bytes EncodeReady(std::int64_t offset) {
    Bytes out = InBandSequence(inband::kReady);
    if (offset == 0)
        out.push_back(0x00);
    else
        AppendModemData(out, std::to_string(offset));
    out.push_back(inband::kSequenceEnd);
    return out;
}

std::optional<std::int64_t> ParseReadyOffset(std::string_view text) {
    if (text.empty() || text == std::string_view("\0", 1)) return 0;
    return ParseDecimal(text, kLargestFile);
}

std::optional<std::string> PlainReceivedName(std::string_view sent) {
    const auto cut = sent.find_last_of("/\\");
    std::string_view name = cut == std::string_view::npos ? sent : sent.substr(cut + 1);
    // A drive letter, as in "C:report.txt".
    if (name.size() >= 2 && name[1] == ':' &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
        name.remove_prefix(2);
    if (name.empty() || name == "." || name == ".." || name.size() > kLongestName ||
        HasControlCharacter(name) || name.find(':') != std::string_view::npos ||
        EndsWith(name, kPartialExtension))
        return std::nullopt;
    return std::string(name);
}

std::optional<CheckedHeader> CheckHeader(const FileHeader& header) {
    auto name = PlainReceivedName(header.name);
    const auto fileSize = ParseDecimal(header.sizeText, kLargestFile);
    const auto dataSize = ParseDecimal(header.compressedSizeText, kLargestFile);
    if (!name || !fileSize || !dataSize) return std::nullopt;
    if (header.method == kMethodNone) {
        if (*dataSize != *fileSize) return std::nullopt;
    } else if (header.method != kMethodPklib) {
        return std::nullopt;
    }
    return CheckedHeader{std::move(*name), *fileSize, *dataSize, header.method};
}

std::string PartialName(std::string_view name) {
    const auto dot = name.rfind('.');
    // A leading dot starts a name, not an extension.
    const auto stem = dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot);
    return std::string(stem) + std::string(kPartialExtension);
}

} // namespace orvane
