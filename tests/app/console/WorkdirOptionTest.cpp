#include "app/WorkdirOption.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(WorkdirOption, TakesTheFolderInEitherFormAndNeedsOne) {
    struct Row {
        std::vector<std::string> args;
        std::optional<std::filesystem::path> folder;
        std::string error;
    };
    const Row rows[] = {
        {{"orvane"}, std::nullopt, ""},
        {{"orvane", "--workdir", "/tmp/o"}, "/tmp/o", ""},
        {{"orvane", "-style", "fusion", "--workdir=/tmp/p"}, "/tmp/p", ""},
        {{"orvane", "--workdir"}, std::nullopt, "--workdir needs a folder"},
        {{"orvane", "--workdir="}, std::nullopt, "--workdir needs a folder"},
    };
    for (const Row& row : rows) {
        const WorkdirChoice choice = workdirFromArguments(row.args);
        EXPECT_EQ(choice.folder, row.folder) << row.args.back();
        EXPECT_EQ(choice.error, row.error) << row.args.back();
    }
}

} // namespace
} // namespace orvane
