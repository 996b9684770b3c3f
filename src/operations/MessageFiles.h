#pragma once

#include <filesystem>
#include <string>

namespace orvane {

// The canned messages in Msg/: hereis0.txt to hereis9.txt and wru.txt. A
// missing file is created with its default text; one that exists is only read.
class MessageFiles {
public:
    explicit MessageFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Message 0 to 9, or 10 for "WRU". Empty when it can be neither read nor created.
    std::string read(int number) const;

    static std::string fileName(int number);
    static std::string defaultText(int number);

private:
    std::filesystem::path folder_;
};

} // namespace orvane
