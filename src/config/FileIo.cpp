#include "config/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

std::string reasonFor(int errorNumber) {
    return std::strerror(errorNumber);
}

// Closes the descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded.
    bool close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename is durable only once the directory itself reaches the disk; a
// failure here loses nothing that is not already in the page cache.
void syncDirectoryOf(const std::filesystem::path& file) {
    const std::filesystem::path directory =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

// The file a chain of links ends at: saving through a link must keep the link
// and change what it points to.
std::filesystem::path finalTarget(std::filesystem::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 32 && std::filesystem::is_symlink(path, ec); ++hops) {
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// The new file takes the old one's permissions (and owner, where we may set
// it), so a private file stays private.
void keepModeOf(const std::filesystem::path& old, int fd) {
    struct stat status {
    }, written{};
    if (::stat(old.c_str(), &status) != 0 || ::fstat(fd, &written) != 0) return;
    if (!S_ISREG(written.st_mode)) return; // never a device a stray link led us to
    ::fchmod(fd, status.st_mode & 07777);
    [[maybe_unused]] const int owned = ::fchown(fd, status.st_uid, status.st_gid);
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string& error) {
    error.clear();
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno != ENOENT && errno != ENOTDIR) error = reasonFor(errno);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            error = reasonFor(errno);
            return std::nullopt;
        }
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& file) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& link,
                                                 std::string_view bytes) {
    const std::filesystem::path file = finalTarget(link);
    const std::filesystem::path temporary = temporaryFileFor(file);
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid()) return reasonFor(errno);
    keepModeOf(file, fd.get()); // before any byte is written

    const auto failed = [&temporary](int errorNumber) {
        ::unlink(temporary.c_str());
        return reasonFor(errorNumber);
    };
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) return failed(errno);
    if (!fd.close()) return failed(errno);
    if (::rename(temporary.c_str(), file.c_str()) != 0) return failed(errno);
    syncDirectoryOf(file);
    return std::nullopt;
}

} // namespace orvane
