#pragma once
// Runs script commands against the modem, in order; `sleep` and `wait-rx` hold the
// commands after them back.

#include "modem.h"
#include "script_parser.h"
#include "sim_time.h"

#include <deque>
#include <optional>

namespace modara_sim {

// What a script does to the simulator around the modem.
class SimulatorControl {
public:
    virtual ~SimulatorControl() = default;
    virtual void quit() = 0;
    // The pseudo-terminal closes, as when the modem is switched off or its
    // adapter pulled; the link is left behind, pointing at a free name.
    virtual void closePty() = 0;
    // A new pseudo-terminal (under a new name), and the link pointed at it.
    virtual void newPty() = 0;
};

class ScriptRunner {
public:
    static constexpr Millis kWaitRxLimit = 30000;

    ScriptRunner(Modem& modem, SimulatorControl& simulator, Modem::LogSink log);

    void add(ScriptCommand command);
    // Bytes from the console; a running `wait-rx` looks for its sequence in them.
    void onReceived(const std::uint8_t* data, std::size_t size);
    // Runs commands until one has to wait, or none is left.
    void run(Millis now);
    // When the waiting command times out or ends, if one is waiting.
    std::optional<Millis> nextDue() const;
    bool idle() const { return queue_.empty(); }

private:
    // True when the command is done.
    bool step(const ScriptCommand& command, Millis now);

    Modem& modem_;
    SimulatorControl& simulator_;
    Modem::LogSink log_;
    std::deque<ScriptCommand> queue_;
    bool frontStarted_ = false;
    Millis frontStartedAt_ = 0;
    Bytes receivedSinceStart_;
};

} // namespace modara_sim
