#pragma once

namespace orvane {

// An eventfd that a thread waiting in poll() watches beside its port, so that
// another thread can wake it (to stop or suspend it).
class WakeFd {
public:
    WakeFd();
    ~WakeFd();
    WakeFd(const WakeFd&) = delete;
    WakeFd& operator=(const WakeFd&) = delete;

    int fd() const { return fd_; }
    void signal();
    // Clears the signals so far, so that poll() waits again.
    void drain();

private:
    int fd_;
};

} // namespace orvane
