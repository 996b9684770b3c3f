#pragma once

#include <cstdio>
#include <string>

namespace orvane {

// A copy of every character shown in the receive pane, appended to the file
// named by ORVANE_TRANSCRIPT. Off when the variable is not set; used to watch
// a console from outside (the end-to-end tests, a demo on a headless machine).
class Transcript {
public:
    Transcript();
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    void write(char c);
    // A line of its own, for events worth seeing from outside ("about: ...").
    void note(const std::string& line);

private:
    void check(bool written);

    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

} // namespace orvane
