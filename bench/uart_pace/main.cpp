// Paces data through the transmit queue to a port double that drains at the
// line rate (960 bytes/s), handing over one unit on every empty message as
// the console's senders do, and prints how close to the line rate it gets.
//   bench_uart_pace [BYTES]   (default 4800: five seconds of line)
#include "serial/TransmitThread.h"
#include "support/UartPortDouble.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

using namespace orvane;
using Clock = std::chrono::steady_clock;

namespace {

double bytesPerSecond(std::size_t total, std::size_t unit) {
    testing::UartPortDouble uart;
    std::atomic<std::size_t> handed{0};
    std::atomic<TransmitThread*> queue{nullptr};
    std::mutex lock;
    std::condition_variable done;
    const std::vector<std::uint8_t> block(unit, 'x');
    TransmitThread tx(uart, [&] {
        TransmitThread* q = queue.load();
        if (!q) return;
        if (handed >= total) {
            done.notify_one();
            return;
        }
        q->append(block);
        handed += unit;
    });
    tx.setChunkSize(unit);
    const auto start = Clock::now();
    queue = &tx;
    tx.append(std::string_view{});
    std::unique_lock guard(lock);
    done.wait(guard, [&] { return uart.wireSize() >= total && uart.pendingOutput() == 0; });
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    tx.stop();
    return static_cast<double>(uart.wireSize()) / seconds;
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t total = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 4800;
    std::printf("transmit queue into a UART-like port at %d bytes/s, %zu bytes:\n",
                testing::UartPortDouble::kLineRate, total);
    for (std::size_t unit : {std::size_t{10}, std::size_t{1}}) {
        const double rate = bytesPerSecond(total, unit);
        std::printf("  %2zu-byte units: %7.1f bytes/s, %5.1f %% of the line\n", unit, rate,
                    100.0 * rate / testing::UartPortDouble::kLineRate);
    }
}
