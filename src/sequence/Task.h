#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <utility>

namespace orvane {

// A run of steps written in the order they happen. It is a coroutine that
// starts when it is awaited or handed to the SequenceRunner, and that
// suspends at each wait (a pause, a reply, a deadline) instead of running the
// event loop inside itself. A task awaited by another resumes its awaiter
// when it ends; an exception inside it comes out of the co_await.
template <typename T = void> class Task;

namespace detail {

struct TaskPromiseBase {
    std::coroutine_handle<> continuation = std::noop_coroutine();
    std::exception_ptr error;

    struct FinalAwaiter {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) noexcept {
            return done.promise().continuation;
        }
        void await_resume() noexcept {}
    };

    std::suspend_always initial_suspend() noexcept { return {}; }
    FinalAwaiter final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
    void rethrowIfFailed() const {
        if (error) std::rethrow_exception(error);
    }
};

template <typename T> struct TaskPromise : TaskPromiseBase {
    std::optional<T> value;
    Task<T> get_return_object() noexcept;
    template <typename U> void return_value(U&& result) { value.emplace(std::forward<U>(result)); }
    T take() {
        rethrowIfFailed();
        return std::move(*value);
    }
};

template <> struct TaskPromise<void> : TaskPromiseBase {
    Task<void> get_return_object() noexcept;
    void return_void() noexcept {}
    void take() const { rethrowIfFailed(); }
};

} // namespace detail

template <typename T> class [[nodiscard]] Task {
public:
    using promise_type = detail::TaskPromise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle handle) : handle_(handle) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool valid() const { return static_cast<bool>(handle_); }
    bool done() const { return !handle_ || handle_.done(); }
    // Starts or continues the task until its next wait (the runner's use).
    void resume() { handle_.resume(); }
    // The result of an ended task; rethrows what it threw.
    T result() { return handle_.promise().take(); }

    auto operator co_await() && noexcept {
        struct Awaiter {
            Handle task;
            bool await_ready() const noexcept { return !task || task.done(); }
            std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiting) noexcept {
                task.promise().continuation = awaiting;
                return task;
            }
            T await_resume() { return task.promise().take(); }
        };
        return Awaiter{handle_};
    }

private:
    void reset() {
        if (handle_) std::exchange(handle_, {}).destroy();
    }

    Handle handle_;
};

namespace detail {

template <typename T> Task<T> TaskPromise<T>::get_return_object() noexcept {
    return Task<T>(std::coroutine_handle<TaskPromise<T>>::from_promise(*this));
}

inline Task<void> TaskPromise<void>::get_return_object() noexcept {
    return Task<void>(std::coroutine_handle<TaskPromise<void>>::from_promise(*this));
}

} // namespace detail

} // namespace orvane
