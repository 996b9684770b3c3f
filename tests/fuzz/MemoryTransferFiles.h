#pragma once
// The file operations of a transfer on a map in memory, so that a fuzz target
// runs thousands of sessions a second and can check every path it was given.

#include "transfer/TransferFiles.h"

#include <map>
#include <memory>
#include <vector>

namespace orvane::testing {

class MemoryTransferFiles final : public TransferFiles {
public:
    using Data = std::vector<std::uint8_t>;
    // Shared, so that an open file outlives its removal as on disk.
    std::map<Path, std::shared_ptr<Data>> files;
    std::vector<Path> written; // every path created, appended to or moved to

    std::optional<std::int64_t> fileSize(const Path& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return static_cast<std::int64_t>(it->second->size());
    }
    bool exists(const Path& path) override { return files.count(path) != 0; }
    std::unique_ptr<TransferFile> openRead(const Path& path) override { return open(path); }
    std::unique_ptr<TransferFile> createNew(const Path& path) override {
        if (exists(path)) return nullptr;
        written.push_back(path);
        files[path] = std::make_shared<Data>();
        return open(path);
    }
    std::unique_ptr<TransferFile> openAppend(const Path& path) override {
        if (!exists(path)) return nullptr;
        written.push_back(path);
        auto file = open(path);
        file->seek(static_cast<std::int64_t>(files[path]->size()));
        return file;
    }
    bool remove(const Path& path) override { return files.erase(path) != 0; }
    bool moveNoReplace(const Path& from, const Path& to) override {
        if (!exists(from) || exists(to)) return false;
        written.push_back(to);
        files[to] = std::move(files[from]);
        files.erase(from);
        return true;
    }
    // The codec has its own target; here the sender's compression copies.
    CodecRun implode(const Path& from, const Path& to) override { return copy(from, to); }
    std::optional<Path> createTemporaryBeside(const Path& source) override {
        Path beside = source;
        beside += ".tmp";
        files[beside] = std::make_shared<Data>();
        return beside;
    }
    bool appendText(const Path& path, const std::string& text) override {
        auto& data = files[path];
        if (!data) data = std::make_shared<Data>();
        data->insert(data->end(), text.begin(), text.end());
        return true;
    }

private:
    class File final : public TransferFile {
    public:
        explicit File(std::shared_ptr<Data> data) : data_(std::move(data)) {}
        std::optional<std::uint8_t> readByte() override {
            if (at_ >= data_->size()) return std::nullopt;
            return (*data_)[at_++];
        }
        bool seek(std::int64_t offset) override {
            if (offset < 0 || static_cast<std::size_t>(offset) > data_->size()) return false;
            at_ = static_cast<std::size_t>(offset);
            return true;
        }
        bool writeByte(std::uint8_t byte) override {
            if (at_ < data_->size())
                (*data_)[at_] = byte;
            else
                data_->push_back(byte);
            ++at_;
            return true;
        }
        bool flush() override { return true; }

    private:
        std::shared_ptr<Data> data_;
        std::size_t at_ = 0;
    };

    std::unique_ptr<TransferFile> open(const Path& path) {
        const auto it = files.find(path);
        if (it == files.end()) return nullptr;
        return std::make_unique<File>(it->second);
    }
    CodecRun copy(const Path& from, const Path& to) {
        if (!exists(from) || exists(to)) return {};
        written.push_back(to);
        files[to] = std::make_shared<Data>(*files[from]);
        return {0, {}};
    }
};

} // namespace orvane::testing
