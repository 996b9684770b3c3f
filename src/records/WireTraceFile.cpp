#include "records/WireTraceFile.h"

#include "records/UtcText.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace orvane {

std::string formatWireTrace(const std::vector<WireRecord>& records) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text =
        "# Orvane wire trace: host = bytes the console sent, modem = bytes it read\n";
    for (const WireRecord& record : records) {
        text += utcMillisecondsText(record.time);
        text += record.direction == WireDirection::ToModem ? " host" : " modem";
        for (std::uint8_t byte : record.bytes) {
            text += ' ';
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        }
        text += '\n';
    }
    return text;
}

std::string saveWireTrace(const std::filesystem::path& path,
                          const std::vector<WireRecord>& records) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = formatWireTrace(records);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out) out.flush();
    if (out) return {};
    return "Could not write " + path.string() + ": " + std::strerror(errno);
}

} // namespace orvane
