#include "transfer/DiskTransferFiles.h"

#include "transfer/FileHeader.h"
#include "transfer/implode/pklib.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#include <vector>

namespace orvane {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

class StdioFile final : public TransferFile {
public:
    explicit StdioFile(FileHandle file) : file_(std::move(file)) {}
    std::optional<std::uint8_t> readByte() override {
        const int c = std::fgetc(file_.get());
        if (c == EOF) return std::nullopt;
        return static_cast<std::uint8_t>(c);
    }
    bool seek(std::int64_t offset) override {
        return fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) == 0;
    }
    bool writeByte(std::uint8_t byte) override {
        return std::fputc(byte, file_.get()) != EOF || failed();
    }
    bool flush() override { return std::fflush(file_.get()) == 0 || failed(); }
    std::string error() const override { return error_; }
    std::size_t read(std::span<std::uint8_t> into) override {
        return std::fread(into.data(), 1, into.size(), file_.get());
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        return std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size() || failed();
    }

private:
    // Keeps the system's reason; always false.
    bool failed() {
        error_ = std::strerror(errno);
        return false;
    }

    FileHandle file_;
    std::string error_;
};

// O_EXCL|O_NOFOLLOW: a name that exists, or a link planted in its place, is refused.
FileHandle OpenExclusive(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    FileHandle file(::fdopen(fd, "wb"));
    if (!file) ::close(fd);
    return file;
}

struct CodecFiles {
    std::FILE* in;
    std::FILE* out;
    bool failed = false;
};

unsigned int ReadBlock(char* buf, unsigned int* size, void* param) {
    auto* files = static_cast<CodecFiles*>(param);
    const std::size_t n = std::fread(buf, 1, *size, files->in);
    if (n < *size && std::ferror(files->in)) files->failed = true;
    return static_cast<unsigned int>(n);
}

void WriteBlock(char* buf, unsigned int* size, void* param) {
    auto* files = static_cast<CodecFiles*>(param);
    if (files->failed) return;
    if (std::fwrite(buf, 1, *size, files->out) != *size) files->failed = true;
}

// Compresses `from` into `to`, a file we created for it (the sender's temporary file).
CodecRun ImplodeFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    FileHandle in(std::fopen(from.c_str(), "rb"));
    if (!in) return {};
    FileHandle out(std::fopen(to.c_str(), "wb"));
    if (!out) return {};
    CodecFiles files{in.get(), out.get()};
    std::vector<char> work(pklib::kImplodeWorkSize);
    unsigned int type = pklib::kAscii;
    unsigned int dictionary = 4096;
    const unsigned int result =
        pklib::Implode(ReadBlock, WriteBlock, work.data(), &files, &type, &dictionary);
    if (std::fflush(out.get()) != 0) files.failed = true;
    if (std::fclose(out.release()) != 0) files.failed = true;
    if (files.failed) return {};
    return {static_cast<int>(result), {}};
}

} // namespace

std::optional<std::int64_t> DiskTransferFiles::fileSize(const Path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    return static_cast<std::int64_t>(size);
}

bool DiskTransferFiles::exists(const Path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::unique_ptr<TransferFile> DiskTransferFiles::openRead(const Path& path) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return nullptr;
    return std::make_unique<StdioFile>(std::move(file));
}

std::unique_ptr<TransferFile> DiskTransferFiles::createNew(const Path& path) {
    FileHandle file = OpenExclusive(path);
    if (!file) return nullptr;
    return std::make_unique<StdioFile>(std::move(file));
}

std::unique_ptr<TransferFile> DiskTransferFiles::openAppend(const Path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return nullptr;
    FileHandle file(::fdopen(fd, "ab"));
    if (!file) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<StdioFile>(std::move(file));
}

bool DiskTransferFiles::remove(const Path& path) {
    std::error_code error;
    return std::filesystem::remove(path, error);
}

bool DiskTransferFiles::moveNoReplace(const Path& from, const Path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EXDEV) return false;
    // Another file system: copy into a new file, then drop the original.
    std::error_code error;
    if (!std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error))
        return false;
    std::filesystem::remove(from, error);
    return true;
}

CodecRun DiskTransferFiles::implode(const Path& from, const Path& to) {
    return ImplodeFiles(from, to);
}

std::optional<TransferFiles::Path> DiskTransferFiles::createTemporaryBeside(const Path& source) {
    const Path beside = source.parent_path() / PartialName(source.filename().string());
    if (beside != source) {
        if (FileHandle file = OpenExclusive(beside)) return beside;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-send-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return Path(pattern);
}

bool DiskTransferFiles::appendText(const Path& path, const std::string& text) {
    FileHandle file(std::fopen(path.c_str(), "a"));
    if (!file) return false;
    return std::fputs(text.c_str(), file.get()) >= 0;
}

} // namespace orvane
