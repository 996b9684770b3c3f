#include "config/FileIo.h"

#include <cerrno>
#include <cstdint>
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

RegularFileRead refused(std::string reason) {
    return {RegularFileRead::Outcome::Refused, {}, std::move(reason)};
}

std::string notAFile(mode_t mode) {
    if (S_ISDIR(mode)) return reasonFor(EISDIR);
    if (S_ISFIFO(mode)) return "a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device, not a file";
    return "not a regular file";
}

std::string tooLarge(std::size_t largest) {
    constexpr std::size_t kMegabyte = 1024 * 1024;
    return "larger than " + (largest >= kMegabyte ? std::to_string(largest / kMegabyte) + " MB"
                                                  : std::to_string(largest / 1024) + " KB");
}

} // namespace

RegularFileRead readRegularFile(const std::filesystem::path& file, std::size_t largest) {
    RegularFileRead result;
    // O_NONBLOCK: opening a named pipe for reading would otherwise wait for a writer.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENOENT || errno == ENOTDIR) return result;
        return refused(reasonFor(errno));
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) return refused(reasonFor(errno));
    if (!S_ISREG(status.st_mode)) return refused(notAFile(status.st_mode));
    if (static_cast<std::uintmax_t>(status.st_size) > largest) return refused(tooLarge(largest));

    std::string& bytes = result.bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return refused(reasonFor(errno));
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // A file that grows while we read is held to the same limit.
        if (bytes.size() > largest) return refused(tooLarge(largest));
    }
    result.outcome = RegularFileRead::Outcome::Read;
    return result;
}

std::optional<std::string> keepCopyOf(const std::filesystem::path& file,
                                      const std::filesystem::path& copy, std::size_t largest) {
    const RegularFileRead old = readRegularFile(file, largest);
    switch (old.outcome) {
    case RegularFileRead::Outcome::Missing: return std::nullopt;
    case RegularFileRead::Outcome::Refused: return old.reason;
    case RegularFileRead::Outcome::Read: break;
    }
    return replaceFileAtomically(copy, old.bytes, finalTarget(file));
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& file) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& link,
                                                 std::string_view bytes) {
    return replaceFileAtomically(link, bytes, finalTarget(link));
}

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& link,
                                                 std::string_view bytes,
                                                 const std::filesystem::path& permissionsOf) {
    const std::filesystem::path file = finalTarget(link);
    const std::filesystem::path temporary = temporaryFileFor(file);
    // O_NONBLOCK: a named pipe left in the temporary file's place fails at once.
    Descriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!fd.valid()) return reasonFor(errno);
    keepModeOf(permissionsOf, fd.get()); // before any byte is written

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
