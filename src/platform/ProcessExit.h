#pragma once

namespace orvane {

// Ending the process "at once, exit code 0" after a fatal modem or port fault.
// Production ends the process; tests substitute a version that throws.
class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    [[noreturn]] virtual void exitNow(int code) = 0;
};

// The production ending: flushes standard streams and ends without unwinding,
// so no thread is joined and no destructor waits.
class ImmediateProcessExit final : public ProcessExit {
public:
    [[noreturn]] void exitNow(int code) override;
};

} // namespace orvane
