#pragma once
// The --control named pipe: script lines as they arrive, from any number of writers in turn.

#include <string>
#include <vector>

namespace modara_sim {

class ControlFifo {
public:
    ControlFifo() = default;
    ControlFifo(const ControlFifo&) = delete;
    ControlFifo& operator=(const ControlFifo&) = delete;
    ~ControlFifo();

    // Creates the pipe if it does not exist and opens it; returns an error text.
    std::string open(const std::string& path);
    int fd() const { return fd_; }

    // Reads what has arrived and appends the complete lines. When the writer has closed, the
    // unfinished line counts as complete and the pipe is opened again for the next writer.
    void readLines(std::vector<std::string>& lines);

private:
    std::string reopen();

    std::string path_;
    int fd_ = -1;
    std::string partial_;
};

} // namespace modara_sim
