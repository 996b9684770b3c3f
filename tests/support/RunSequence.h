#pragma once

#include "sequence/SequenceRunner.h"
#include "support/ManualClock.h"

#include <exception>
#include <optional>
#include <stdexcept>

namespace orvane::testing {

// Runs a task on the runner, moving the test clock a millisecond at a time
// until it ends; gives its result or throws what it threw.
template <typename T>
T runSequence(SequenceRunner& runner, ManualClock& clock, Task<T> task,
              std::int64_t limitMs = 10 * 60 * 1000) {
    std::optional<T> result;
    std::exception_ptr error;
    bool ended = false;
    runner.start("test", [&]() -> Task<> {
        try {
            result.emplace(co_await std::move(task));
        } catch (...) {
            error = std::current_exception();
        }
        ended = true;
    });
    for (std::int64_t waited = 0; !ended && waited < limitMs; ++waited)
        clock.advance(1);
    if (error) std::rethrow_exception(error);
    if (!ended) throw std::runtime_error("the sequence did not end in time");
    return std::move(*result);
}

// Moves the test clock until nothing runs or waits on the runner.
inline void runUntilIdle(SequenceRunner& runner, ManualClock& clock,
                         std::int64_t limitMs = 10 * 60 * 1000) {
    for (std::int64_t waited = 0; !runner.idle() && waited < limitMs; ++waited)
        clock.advance(1);
}

} // namespace orvane::testing
