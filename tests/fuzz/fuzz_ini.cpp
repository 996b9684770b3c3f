// libFuzzer target: any bytes as Config/orvane.ini, read as the console reads
// the file's bytes (byte order marks, UTF-16, the three line ends, non-text).
// Reading must never fail, and what the console then writes must read back
// to the same file: a value that changed on the second round trip would
// change under the operator at every start. SettingsFilesTest.cpp beside this
// holds the kinds of file (pipes, devices, folders, oversized files).
#include "config/SettingsFile.h"

#include <cstdlib>
#include <string_view>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SettingsLoadContext context;
    context.Screen = {1920, 1080, 260, 300, 420};
    const LoadedSettings first = loadSettingsFromBytes(bytes, context);
    const std::string saved = settingsFileText(first.settings, first.layout, "800B");
    const LoadedSettings second = loadSettingsFromBytes(saved, context);
    // What the console writes it understands in full.
    if (second.care != SettingsFileCare::SaveFreely) std::abort();
    if (settingsFileText(second.settings, second.layout, "800B") != saved) std::abort();
    return 0;
}
