#include "line_rate.h"

#include <algorithm>
#include <cmath>

namespace modara_sim {

std::size_t LineRate::allowance(Millis now) {
    if (!last_) {
        last_ = now;
        credit_ = static_cast<double>(burst_);
    }
    credit_ = std::min(static_cast<double>(burst_),
                       credit_ + static_cast<double>(now - *last_) * bytesPerSecond_ / 1000.0);
    last_ = now;
    return credit_ >= 1 ? static_cast<std::size_t>(credit_) : 0;
}

std::optional<Millis> LineRate::nextAt(Millis now, std::size_t bytes) {
    bytes = std::min(bytes, burst_);
    if (allowance(now) >= bytes) return std::nullopt;
    const double missing = static_cast<double>(bytes) - credit_;
    return now +
           std::max<Millis>(1, static_cast<Millis>(std::ceil(missing * 1000.0 / bytesPerSecond_)));
}

} // namespace modara_sim
