#include "app/WorkdirOption.h"

#include <system_error>

namespace orvane {

WorkdirChoice workdirFromArguments(const std::vector<std::string>& arguments) {
    static const std::string kOption = "--workdir";
    WorkdirChoice choice;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == kOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return {{}, kOption + " needs a folder"};
            choice.folder = arguments[++i];
        } else if (arg.rfind(kOption + "=", 0) == 0) {
            if (arg.size() == kOption.size() + 1) return {{}, kOption + " needs a folder"};
            choice.folder = arg.substr(kOption.size() + 1);
        }
    }
    return choice;
}

std::string enterWorkdir(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) std::filesystem::current_path(folder, error);
    if (error) return "Cannot work in " + folder.string() + ": " + error.message();
    return {};
}

} // namespace orvane
