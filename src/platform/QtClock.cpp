#include "platform/QtClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {
namespace {

class QtTimer final : public Timer {
public:
    QtTimer(const std::string& name, int intervalMs, double scale) : scale_(scale) {
        timer_.setObjectName(QString::fromStdString(name));
        setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    }
    void setInterval(int ms) override {
        interval_ = ms;
        timer_.setInterval(std::max(1, static_cast<int>(std::lround(ms / scale_))));
    }
    int interval() const override { return interval_; }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    double scale_;
    int interval_ = 0;
    QTimer timer_;
};

} // namespace

QtClock::QtClock(double scale) : scale_(scale > 0 ? scale : 1.0) { elapsed_.start(); }

double QtClock::scaleFromEnvironment() {
    const char* text = std::getenv("ORVANE_CLOCK_SCALE");
    if (!text) return 1.0;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    return (end != text && value >= 1.0 && value <= 10000.0) ? value : 1.0;
}

std::int64_t QtClock::tickMs() const {
    return static_cast<std::int64_t>(static_cast<double>(elapsed_.elapsed()) * scale_);
}

std::chrono::system_clock::time_point QtClock::now() const {
    return std::chrono::system_clock::now();
}

int QtClock::localOffsetMinutes() const {
    return QDateTime::currentDateTime().offsetFromUtc() / 60;
}

std::unique_ptr<Timer> QtClock::createTimer(const std::string& name, int intervalMs) {
    return std::make_unique<QtTimer>(name, intervalMs, scale_);
}

void QtClock::processEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

int QtClock::realMs(std::int64_t ms) const {
    return static_cast<int>(std::ceil(static_cast<double>(std::max<std::int64_t>(ms, 0)) / scale_));
}

void QtClock::delay(int ms) {
    waitUntil([] { return false; }, ms);
}

bool QtClock::waitUntil(const std::function<bool()>& done, int limitMs) {
    const bool limited = limitMs != kNoLimit;
    const std::int64_t until = tickMs() + limitMs;
    // The deadline is itself an event, so the wait never sleeps past it.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    for (;;) {
        if (done()) return true;
        const std::int64_t left = limited ? until - tickMs() : 1;
        if (left <= 0) return false;
        // Without an application there are no events to wait for and nothing
        // to wake us: only another thread can make done() true, so we look
        // again each millisecond until it does or the deadline passes.
        if (!QCoreApplication::instance()) {
            QThread::msleep(static_cast<unsigned long>(std::min<std::int64_t>(realMs(left), 1)));
            continue;
        }
        if (limited && !deadline.isActive()) deadline.start(realMs(left));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void QtClock::wakeWaiters() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(app->thread()))
        dispatcher->wakeUp();
}

} // namespace orvane
