#include "app/Transcript.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvane {

Transcript::Transcript() {
    if (const char* path = std::getenv("ORVANE_TRANSCRIPT"); path && *path)
        file_ = std::fopen(path, "ab");
}

Transcript::~Transcript() {
    if (file_) std::fclose(file_);
}

void Transcript::write(char c) {
    if (!file_) return;
    check(std::fputc(c, file_) != EOF && std::fflush(file_) == 0);
}

void Transcript::note(const std::string& line) {
    if (!file_) return;
    check(std::fprintf(file_, "\n# %s\n", line.c_str()) >= 0 && std::fflush(file_) == 0);
}

// Whoever watches the transcript must learn that it is incomplete; it has no
// window of its own, so the word goes to the standard error, once.
void Transcript::check(bool written) {
    if (written || failed_) return;
    failed_ = true;
    std::fprintf(stderr, "orvane: the transcript is incomplete from here: %s\n",
                 std::strerror(errno));
}

} // namespace orvane
