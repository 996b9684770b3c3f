#pragma once
// One console's transfer side with its line, panel and folders, for tests
// that wire two of them back to back or feed one hostile bytes.

#include "config/Settings.h"
#include "monitor/ReceiveProgress.h"
#include "records/FileTransferReport.h"
#include "serial/EchoCounter.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompter.h"
#include "transfer/BinaryTransfer.h"
#include "transfer/DiskTransferFiles.h"
#include "transfer/FaxReport.h"
#include "transfer/FileExpansion.h"
#include "transfer/FileXferView.h"
#include "transfer/TransferLine.h"
#include "transfer/TransferTiming.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace orvane::testing {

// The transmit queue as a record of what went to the modem. It is empty
// unless a test says it still holds bytes queued before.
struct RecordingLine final : TransferLine {
    Bytes sent; // data bytes, modem escaping included
    std::vector<CommandCode> commands;
    std::size_t queued = 0;
    std::function<void()> afterEmpty;
    void sendBytes(std::span<const std::uint8_t> bytes) override {
        sent.insert(sent.end(), bytes.begin(), bytes.end());
    }
    void sendCommand(CommandCode code) override { commands.push_back(code); }
    std::size_t pendingBytes() override { return queued; }
    void whenEmpty(std::function<void()> then) override {
        afterEmpty = std::move(then);
        if (queued == 0) emptied();
    }
    // The queue's report that it has emptied.
    void emptied() {
        queued = 0;
        if (afterEmpty) std::exchange(afterEmpty, {})();
    }
    Bytes take() { return std::exchange(sent, {}); }
};

struct RecordingView final : FileXferView {
    XferPanelStart started;
    std::string result, reason, button, bytes;
    bool visible = false;
    void showTransfer(const XferPanelStart& s) override {
        started = s;
        reason.clear();
        visible = true;
    }
    void setXferBytes(const std::string& t) override { bytes = t; }
    void setXferTime(const std::string&) override {}
    void setXferTput(const std::string&) override {}
    void setXferGauge(std::int64_t) override {}
    void setXferGaugeMax(std::int64_t) override {}
    void setResult(const std::string& t) override { result = t; }
    void setReason(const std::string& t) override { reason = t; }
    void setButton(const std::string& caption, bool) override { button = caption; }
    void hidePanel() override { visible = false; }
    bool panelVisible() const override { return visible; }
    void focusTransmitPane() override {}
};

// What the session log hears: "sent name size complete|failed", one a file,
// and the reasons given for received files that failed.
struct RecordingReport final : FileTransferReport {
    std::vector<std::string> lines;
    std::vector<std::string> reasons;
    void fileSent(const std::string& name, std::uint64_t size, TransferOutcome outcome) override {
        add("sent", name, size, outcome);
    }
    void fileReceived(const std::string& name, std::uint64_t size, TransferOutcome outcome,
                      const std::string& reason) override {
        add("received", name, size, outcome);
        if (!reason.empty()) reasons.push_back(reason);
    }
    void add(const char* way, const std::string& name, std::uint64_t size,
             TransferOutcome outcome) {
        lines.push_back(std::string(way) + " " + name + " " + std::to_string(size) +
                        (outcome == TransferOutcome::Complete ? " complete" : " failed"));
    }
};

// The expansion at once, on the caller's thread.
struct InlineExpansion final : ExpansionRunner {
    void expand(std::unique_ptr<TransferFile> in, std::unique_ptr<TransferFile> out,
                std::int64_t largest, ExpansionDone& done) override {
        const std::atomic<bool> stop{false};
        const CodecRun run = ExpandFile(*in, *out, largest, stop);
        in.reset();
        out.reset();
        done.expansionFinished(run);
    }
};

// The disk under a station, measured: the bytes written to each file it
// made, and a disk that is full after `room` bytes.
struct MeteredDisk final : TransferFiles {
    struct File final : TransferFile {
        std::unique_ptr<TransferFile> inner;
        MeteredDisk& disk;
        std::int64_t& written;
        File(std::unique_ptr<TransferFile> f, MeteredDisk& d, std::int64_t& w)
            : inner(std::move(f)), disk(d), written(w) {}
        std::optional<std::uint8_t> readByte() override { return inner->readByte(); }
        bool seek(std::int64_t o) override { return inner->seek(o); }
        bool writeByte(std::uint8_t b) override {
            if (disk.room <= 0) return false;
            --disk.room;
            ++written;
            return inner->writeByte(b);
        }
        bool flush() override { return inner->flush(); }
        std::string error() const override {
            return disk.room <= 0 ? "No space left on device" : inner->error();
        }
    };
    DiskTransferFiles disk;
    std::int64_t room = std::numeric_limits<std::int64_t>::max();
    std::map<Path, std::int64_t> writtenTo;
    std::unique_ptr<TransferFile> wrap(const Path& p, std::unique_ptr<TransferFile> f) {
        return f ? std::make_unique<File>(std::move(f), *this, writtenTo[p]) : nullptr;
    }
    std::optional<std::int64_t> fileSize(const Path& p) override { return disk.fileSize(p); }
    bool exists(const Path& p) override { return disk.exists(p); }
    std::unique_ptr<TransferFile> openRead(const Path& p) override { return disk.openRead(p); }
    std::unique_ptr<TransferFile> createNew(const Path& p) override {
        return wrap(p, disk.createNew(p));
    }
    std::unique_ptr<TransferFile> openAppend(const Path& p) override {
        return wrap(p, disk.openAppend(p));
    }
    bool remove(const Path& p) override { return disk.remove(p); }
    bool moveNoReplace(const Path& f, const Path& t) override { return disk.moveNoReplace(f, t); }
    CodecRun implode(const Path& f, const Path& t) override { return disk.implode(f, t); }
    std::optional<Path> createTemporaryBeside(const Path& s) override {
        return disk.createTemporaryBeside(s);
    }
    bool appendText(const Path& p, const std::string& t) override { return disk.appendText(p, t); }
};

struct NoFax final : FaxReportHandler {
    void faxReport(const FaxReport&) override {}
};

inline std::filesystem::path FreshDir(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() /
               ("orvane-xfer-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "In");
    return dir;
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline Bytes RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(n);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

struct Station {
    // `fileOps` and `lineOps` stand in for the disk and for the recording line.
    explicit Station(const std::string& name, TransferFiles* fileOps = nullptr,
                     TransferLine* lineOps = nullptr)
        : dir(FreshDir(name)), files(fileOps ? *fileOps : disk),
          transfer({lineOps ? *lineOps : line, files, view, prompter, timing, report, dir,
                    dir / "In", dir / "home"},
                   echoes, expansion, routing, fax),
          parser(transfer) {}
    ~Station() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    // What the modem delivers: the received stream, routed as the console
    // routes it (the 0x00 padding of a binary receive is dropped).
    void receive(std::int32_t item) {
        if (parser.active()) {
            if (parser.feed(item) == InBandParser::Step::Status)
                statuses.push_back(parser.statusCode());
        } else if (RxQueue::isStatus(item)) {
            statuses.push_back(static_cast<std::uint8_t>(item));
        } else if (item == inband::kStart) {
            parser.begin();
        } else if (routing.BinaryReceiveActive) {
            if (item != 0x00) transfer.receiveSink().writeByte(static_cast<std::uint8_t>(item));
        } else {
            text.push_back(static_cast<char>(item));
        }
    }
    void receive(const Bytes& items) {
        for (auto item : items)
            receive(item);
    }
    void receive(const std::vector<std::int32_t>& items) {
        for (auto item : items)
            receive(item);
    }

    std::filesystem::path dir;
    DiskTransferFiles disk;
    TransferFiles& files;
    RecordingLine line;
    RecordingView view;
    ScriptedPrompter prompter;
    ManualClock clock;
    EchoCounter echoes;
    ThroughputState throughput;
    RecordingReport report;
    InlineExpansion expansion;
    Settings settings;
    TransferTiming timing{clock, throughput, settings};
    RoutingFlags routing;
    NoFax fax;
    BinaryTransfer transfer;
    InBandParser parser;
    std::string text;                   // what would reach the receive pane
    std::vector<std::uint8_t> statuses; // for the status dispatchers
};

// The modem: 0x81 X is the data byte X, 0x80 X a command (not on the air).
inline Bytes OverTheAir(const Bytes& toModem) {
    Bytes air;
    for (std::size_t i = 0; i < toModem.size(); ++i) {
        if (toModem[i] == 0x81 && i + 1 < toModem.size())
            air.push_back(toModem[++i]);
        else if (toModem[i] == 0x80)
            ++i;
        else
            air.push_back(toModem[i]);
    }
    return air;
}

} // namespace orvane::testing
