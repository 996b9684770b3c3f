#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::testing {

// A pseudo-terminal pair: the test plays the modem on the master end, the
// console opens the slave by its path. The slave stays open here too so the
// line does not hang up between opens.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }

    void writeToConsole(const std::vector<std::uint8_t>& bytes);
    // Closes the modem's end: the console's end hangs up, as when an adapter
    // is unplugged.
    void hangUp();
    // Whatever the console wrote, waiting until `count` bytes came or time ran out.
    std::vector<std::uint8_t>
    readFromConsole(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(2));

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace orvane::testing
