#include "protocol/TextCommands.h"

#include "protocol/CommandBuilders.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace orvane {

ModemCommand amtorSelectiveFec(std::string_view groupCall) {
    return textCommand(CommandCode::AMTOR_SFEC, groupCall.substr(0, 4));
}

ModemCommand answerBack(std::string_view fileContent) {
    return textCommand(CommandCode::SET_ANSWERBACK, fileContent);
}

std::optional<ModemCommand> answerBackFromFile(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return answerBack(content);
}

} // namespace orvane
