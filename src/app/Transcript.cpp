#include "app/Transcript.h"

#include <cstdlib>

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
    std::fputc(c, file_);
    std::fflush(file_);
}

void Transcript::note(const std::string& line) {
    if (!file_) return;
    std::fprintf(file_, "\n# %s\n", line.c_str());
    std::fflush(file_);
}

} // namespace orvane
