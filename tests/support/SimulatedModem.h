#pragma once

#include "support/UartPortDouble.h"

#include <memory>
#include <mutex>
#include <string>

namespace modara_sim {
class Modem;
}

namespace orvane::testing {

// The simulated Modara at the far end of a port double: it hears the bytes
// as they leave the driver and answers on the double's receive side, as
// modara-sim does on its pseudo-terminal. It reports `hardware` ("800A",
// "8004", ...) and sends no stray XON or XOFF of its own.
class SimulatedModem final : public UartFarEnd {
public:
    explicit SimulatedModem(UartPortDouble& port, const std::string& hardware = "8004");
    ~SimulatedModem() override;

    void fromConsole(std::span<const std::uint8_t> bytes) override;
    // Bytes the modem puts on the line as they are (XON, XOFF, ...).
    void sendRaw(const std::vector<std::uint8_t>& bytes);

private:
    void flush();

    UartPortDouble& port_;
    std::mutex lock_;
    std::unique_ptr<modara_sim::Modem> modem_;
};

} // namespace orvane::testing
