#include "UartRun.h"

#include "operations/PumpDecision.h"
#include "protocol/CommandBuilders.h"
#include "serial/TransmitThread.h"
#include "support/UartPortDouble.h"
#include "transfer/TransferStation.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>

namespace orvane {

namespace {

using namespace std::chrono_literals;

// The console's transmit queue in Quoral: ten bytes a write.
class UartLine final : public TransferLine {
public:
    explicit UartLine(TransmitThread& queue) : queue_(queue) {}
    void sendBytes(std::span<const std::uint8_t> bytes) override { queue_.append(bytes); }
    void sendCommand(CommandCode code) override { queue_.append(command(code).bytes()); }
    // As the console's line counts them: the driver's last two bytes are as good as gone.
    std::size_t pendingBytes() override { return queue_.backlog(); }
    void whenEmpty(std::function<void()> then) override {
        while (queue_.backlog() > 0)
            std::this_thread::sleep_for(1ms);
        then();
    }

private:
    TransmitThread& queue_;
};

// The modem's reading of its host's bytes: 0x81 X is the data byte X, 0x80 X a command.
class ModemInput {
public:
    // The data bytes among `bytes`.
    Bytes data(std::span<const std::uint8_t> bytes) {
        Bytes out;
        for (std::uint8_t b : bytes) {
            if (escape_ == 0x81) out.push_back(b);
            if (escape_ != 0) {
                escape_ = 0;
            } else if (b == 0x80 || b == 0x81) {
                escape_ = b;
            } else {
                out.push_back(b);
            }
        }
        return out;
    }

private:
    std::uint8_t escape_ = 0;
};

// Wakes the pump loop on the transmit queue's empty events, as the window message does.
struct EmptyEvents {
    std::mutex lock;
    std::condition_variable wake;
    bool posted = false;
    void post() {
        {
            std::lock_guard guard(lock);
            posted = true;
        }
        wake.notify_one();
    }
    void waitForOne() {
        std::unique_lock guard(lock);
        wake.wait_for(guard, 20ms, [this] { return posted; });
        posted = false;
    }
};

bool endsWith(const Bytes& wire, const Bytes& tail) {
    return wire.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), wire.rbegin());
}

enum class Urgent { Panic, ForcedOver };

// The data phase's pace: ten bytes for each empty event, for a while; then the urgent
// command, and the time until its bytes have left.
Latency UrgentLatency(Urgent urgent, int tries) {
    testing::UartPortDouble uart;
    EmptyEvents events;
    TransmitThread queue(uart, [&events] { events.post(); });
    queue.setChunkSize(10);
    const Bytes filler(10, 'x');
    const Bytes panic = command(CommandCode::PANIC).bytes();
    const Bytes forcedOver{0x80, 0x87};
    std::mt19937 random(11);
    Latency latency{1e9, 0, 0};
    for (int i = 0; i < tries; ++i) {
        const auto busyUntil =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(40 + random() % 60);
        while (std::chrono::steady_clock::now() < busyUntil) {
            events.waitForOne();
            if (queue.backlog() == 0) queue.append(filler);
        }
        const auto start = std::chrono::steady_clock::now();
        const Bytes& sent = urgent == Urgent::Panic ? panic : forcedOver;
        if (urgent == Urgent::Panic) {
            queue.clear();
            queue.append(sent);
        } else {
            for (std::uint8_t b : sent)
                uart.sendImmediate(b);
        }
        while (!endsWith(uart.wire(), sent))
            std::this_thread::sleep_for(50us);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        latency.least = std::min(latency.least, took.count());
        latency.most = std::max(latency.most, took.count());
        latency.mean += took.count() / tries;
    }
    queue.stop();
    return latency;
}

} // namespace

Latency PanicLatency(int tries) {
    return UrgentLatency(Urgent::Panic, tries);
}

Latency ForcedOverLatency(int tries) {
    return UrgentLatency(Urgent::ForcedOver, tries);
}

UartTransfer UartTransferRun(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    testing::UartPortDouble uart;
    EmptyEvents events;
    TransmitThread queue(uart, [&events] { events.post(); });
    queue.setChunkSize(10);
    UartLine line(queue);
    testing::Station sender("uart-sender", nullptr, &line), receiver("uart-receiver");
    receiver.prompter.chooseNextFile(std::nullopt);
    testing::WriteFile(sender.dir / name, bytes);
    ModemInput modem;
    std::size_t onAir = 0;
    const int ceiling = echoCeiling(OperatingMode::Quoral);

    const auto start = std::chrono::steady_clock::now();
    sender.transfer.sendFiles({sender.dir / name});
    while (sender.report.lines.empty()) {
        events.waitForOne();
        // The pump's pass comes first, as the console runs it on the event; the modem's side
        // of things takes its own time.
        if (sender.transfer.dataPhaseActive() && sender.echoes.EchoPending() <= ceiling)
            sender.transfer.pumpPass();
        const Bytes wire = uart.wire();
        const Bytes heard = modem.data({wire.data() + onAir, wire.size() - onAir});
        onAir = wire.size();
        for (std::uint8_t b : heard)
            sender.echoes.countEcho(b);
        receiver.receive(heard);
        sender.receive(testing::OverTheAir(receiver.line.take()));
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    queue.stop();
    UartTransfer run{took.count(), uart.wireSize(), sender.report.lines.front()};
    if (testing::ReadFile(receiver.dir / "In" / name) != bytes) run.outcome += " ARRIVED DAMAGED";
    return run;
}

} // namespace orvane
