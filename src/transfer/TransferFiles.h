#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// An open file of a transfer: read byte by byte by the sender, written byte
// by byte by the receiver, and in blocks by the expansion.
class TransferFile {
public:
    virtual ~TransferFile() = default;
    virtual std::optional<std::uint8_t> readByte() = 0;
    virtual bool seek(std::int64_t offset) = 0;
    // False when the byte could not be written (a full disk, an I/O error).
    virtual bool writeByte(std::uint8_t byte) = 0;
    virtual bool flush() = 0;
    // Why the last write or flush failed, as the system words it.
    virtual std::string error() const { return "write error"; }

    // Up to `into.size()` bytes; fewer only at the end of the file.
    virtual std::size_t read(std::span<std::uint8_t> into);
    // False when not every byte could be written.
    virtual bool write(std::span<const std::uint8_t> bytes);
};

// What the codec run over two files reports: its own result code, or a
// failure around it.
struct CodecRun {
    static constexpr int kFileError = -1; // a file failed; `reason` says why
    static constexpr int kTooLarge = -2;  // the output would pass the size allowed
    static constexpr int kStopped = -3;   // given up before the end (the console closes)
    int result = kFileError;
    std::string reason;
    bool ok() const { return result == 0; }
};

// The file operations of a transfer, so that the sessions do no I/O of their own.
class TransferFiles {
public:
    using Path = std::filesystem::path;
    virtual ~TransferFiles() = default;

    // The length of a regular file; nothing when there is none.
    virtual std::optional<std::int64_t> fileSize(const Path& path) = 0;
    virtual bool exists(const Path& path) = 0;
    virtual std::unique_ptr<TransferFile> openRead(const Path& path) = 0;
    // Creates a file that must not exist yet (never follows or replaces anything).
    virtual std::unique_ptr<TransferFile> createNew(const Path& path) = 0;
    virtual std::unique_ptr<TransferFile> openAppend(const Path& path) = 0;
    virtual bool remove(const Path& path) = 0;
    // Moves a file; fails when the target exists.
    virtual bool moveNoReplace(const Path& from, const Path& to) = 0;
    // Compresses `from` into `to`, a file made by createTemporaryBeside
    // (literal coding 1, 4096-byte dictionary).
    virtual CodecRun implode(const Path& from, const Path& to) = 0;
    // A place for a sender's compressed data beside `source`, created empty;
    // elsewhere when that name is taken or the folder is not writable.
    virtual std::optional<Path> createTemporaryBeside(const Path& source) = 0;
    // Appends one line of text; false when the file cannot be opened.
    virtual bool appendText(const Path& path, const std::string& text) = 0;
};

} // namespace orvane
