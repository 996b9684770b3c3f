#pragma once

#include "protocol/loader/LoaderPort.h"

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// A modem's loader as the console meets it on the line: it answers each
// command at once, takes the image, and reports the result once the console
// stops sending and listens. A silent step never answers.
class FakeLoaderPort final : public LoaderPort {
public:
    // Steps that get no answer: "prep", "start", "erase", "type", "result".
    std::set<std::string> silent;
    bool eraseFails = false;
    std::uint8_t result = 0x0A;
    // The line stalls once this many image bytes have gone.
    std::optional<std::size_t> refuseImageAfter;

    std::vector<std::uint8_t> written;
    std::vector<int> rates;
    bool suspended = false;
    bool routingPausedCleared = false;
    bool closed = false;
    bool rts = true;

    void suspendSerialThreads() override { suspended = true; }
    bool serialThreadsParked() override { return suspended; }
    void clearRoutingPaused() override { routingPausedCleared = true; }
    std::optional<std::size_t> tryWrite(std::span<const std::uint8_t> bytes) override {
        std::size_t taken = 0;
        for (std::uint8_t byte : bytes) {
            if (state_ == State::Image && refuseImageAfter && imageBytes_ >= *refuseImageAfter)
                break;
            written.push_back(byte);
            take(byte);
            ++taken;
        }
        return taken;
    }
    bool allSent() override { return true; }
    std::optional<std::uint8_t> tryRead() override {
        if (replies_.empty() && state_ == State::Image) {
            state_ = State::Commands;
            answer("result", {0x02, 0x80, result});
        }
        if (replies_.empty()) return std::nullopt;
        const std::uint8_t byte = replies_.front();
        replies_.pop_front();
        return byte;
    }
    bool setLineRate(int bitsPerSecond) override {
        rates.push_back(bitsPerSecond);
        return true;
    }
    void setRts(bool on) override { rts = on; }
    void setDtr(bool) override {}
    void close() override { closed = true; }

private:
    enum class State { Commands, Escaped, EraseType, Image };

    void answer(const std::string& step, std::vector<std::uint8_t> bytes) {
        if (!silent.count(step)) replies_.insert(replies_.end(), bytes.begin(), bytes.end());
    }
    void take(std::uint8_t byte) {
        switch (state_) {
        case State::Image: ++imageBytes_; return;
        case State::Commands:
            if (byte == 0x80) state_ = State::Escaped;
            return;
        case State::Escaped:
            state_ = State::Commands;
            if (byte == 0x84) answer("prep", {0x84});
            if (byte == 0x6A) answer("start", {0x6A});
            if (byte == 0x0F) {
                answer("erase", {0x0F});
                state_ = State::EraseType;
            }
            return;
        case State::EraseType:
            if (byte == 0x80) return;
            answer("type", {eraseFails ? std::uint8_t{0x02} : byte});
            state_ = eraseFails || silent.count("type") ? State::Commands : State::Image;
            return;
        }
    }

    State state_ = State::Commands;
    std::deque<std::uint8_t> replies_;
    std::size_t imageBytes_ = 0;
};

// pnlFWDownload as a record of what was shown; Abort pressed after a number of chunks.
class FakeLoaderView final : public LoaderView {
public:
    std::optional<int> abortAfterChunks;
    std::vector<std::string> shown;
    std::int64_t position = -1, maximum = -1;
    int chunks = 0;

    void showPanel(const std::string& fileName) override { shown.push_back("panel " + fileName); }
    void setGauge(std::int64_t p, std::int64_t m) override {
        position = p;
        maximum = m;
        if (p > 0) ++chunks;
    }
    void setBusy(bool) override {}
    bool abortRequested() const override { return abortAfterChunks && chunks >= *abortAfterChunks; }
    void clearAbort() override {}
    void showResetting() override { shown.push_back("resetting"); }
    void hidePanel() override { shown.push_back("hidden"); }
};

} // namespace orvane::testing
