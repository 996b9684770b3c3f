#pragma once

#include "transfer/InBandCodes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view kMethodPklib = "PKLIB";
inline constexpr std::string_view kMethodNone = "NONE";

// The four text fields that announce a file, as they travel.
struct FileHeader {
    std::string name;
    std::string sizeText;
    std::string compressedSizeText;
    std::string method;
};

// A header whose fields make sense: a plain name, sizes in range, a known
// method whose sizes agree with it.
struct CheckedHeader {
    std::string name;
    std::int64_t fileSize = 0;
    std::int64_t dataSize = 0;
    std::string method;
};

// Sizes travel as plain decimals; a file of ours never reaches 2^31 bytes.
inline constexpr std::int64_t kLargestFile = 0x7FFFFFFF;

// A plain decimal (digits only, at least one) no larger than `largest`.
std::optional<std::int64_t> ParseDecimal(std::string_view text, std::int64_t largest);

// 0x01 0x80 and the fields, separated by 0x08 and ended by 0x02, escaped for the modem.
Bytes EncodeHeader(const FileHeader& header);
// 0x01 0x81, the offset (a single 0x00 for none) and 0x02, escaped for the modem.
Bytes EncodeReady(std::int64_t offset);
// The offset a ready reply carries: a single 0x00 or nothing means 0.
std::optional<std::int64_t> ParseReadyOffset(std::string_view text);

// Nothing a remote station sends may pick a path outside the download
// folder, nor clash with our own partial files: the last plain component of
// the name, or nothing when no usable name remains.
std::optional<std::string> PlainReceivedName(std::string_view sent);

// Checks every field; nothing when the header must be refused.
std::optional<CheckedHeader> CheckHeader(const FileHeader& header);

// The partial file's name: the name without its extension, then ".__$".
std::string PartialName(std::string_view name);

} // namespace orvane
