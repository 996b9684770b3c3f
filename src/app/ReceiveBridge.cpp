#include "app/ReceiveBridge.h"

namespace orvane {

void ReceiveBridge::post(std::function<void()> burst) {
    QMetaObject::invokeMethod(this, std::move(burst), Qt::QueuedConnection);
}

} // namespace orvane
