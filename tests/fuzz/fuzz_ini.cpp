// libFuzzer target: any bytes as Config/orvane.ini. Reading must never fail,
// and what the console then writes must read back to the same file: a value
// that changed on the second round trip would change under the operator at
// every start.
#include "config/SettingsFile.h"

#include <cstdlib>
#include <string_view>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SettingsLoadContext context;
    context.Screen = {1920, 1080, 260, 300, 420};
    const LoadedSettings first = loadSettingsFromText(text, context);
    const std::string saved = settingsFileText(first.settings, first.layout, "800B");
    const LoadedSettings second = loadSettingsFromText(saved, context);
    if (settingsFileText(second.settings, second.layout, "800B") != saved) std::abort();
    return 0;
}
