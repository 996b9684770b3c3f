#include "platform/QtClock.h"

#include <QDateTime>
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

QtClock::QtClock(double scale) : scale_(scale > 0 ? scale : 1.0) {
    elapsed_.start();
}

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

int QtClock::realMs(std::int64_t ms) const {
    return static_cast<int>(std::ceil(static_cast<double>(std::max<std::int64_t>(ms, 0)) / scale_));
}

} // namespace orvane
