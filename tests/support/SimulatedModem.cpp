#include "support/SimulatedModem.h"

#include "modem.h"

#include <chrono>

namespace orvane::testing {
namespace {

modara_sim::Millis nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

modara_sim::ModemSettings settingsFor(const std::string& hardware) {
    modara_sim::ModemSettings settings;
    modara_sim::setIdentity(settings.identity, "hardware", hardware);
    settings.strayFlowBytes = false;
    return settings;
}

} // namespace

SimulatedModem::SimulatedModem(UartPortDouble& port, const std::string& hardware)
    : port_(port), modem_(std::make_unique<modara_sim::Modem>(settingsFor(hardware),
                                                              [](const std::string&) {})) {
    port_.connect(*this);
}

SimulatedModem::~SimulatedModem() {
    port_.disconnect();
}

void SimulatedModem::fromConsole(std::span<const std::uint8_t> bytes) {
    std::lock_guard guard(lock_);
    modem_->receive(bytes.data(), bytes.size(), nowMs());
    modem_->tick(nowMs());
    flush();
}

void SimulatedModem::sendRaw(const std::vector<std::uint8_t>& bytes) {
    std::lock_guard guard(lock_);
    modem_->sendRaw(bytes);
    flush();
}

void SimulatedModem::flush() {
    const modara_sim::Bytes out = modem_->takeOutput();
    port_.fromModem(out);
}

} // namespace orvane::testing
