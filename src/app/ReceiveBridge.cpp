#include "app/ReceiveBridge.h"

#include <QThread>

namespace orvane {

void ReceiveBridge::deliver(const std::function<void(std::uint8_t)>& handler, std::uint8_t value) {
    if (!handler) return;
    if (QThread::currentThread() == thread()) {
        handler(value);
        return;
    }
    QMetaObject::invokeMethod(
        this, [&handler, value] { handler(value); }, Qt::BlockingQueuedConnection);
}

void ReceiveBridge::runOnHandlerThread(const std::function<void()>& burst) {
    if (QThread::currentThread() == thread()) {
        burst();
        return;
    }
    QMetaObject::invokeMethod(this, [&burst] { burst(); }, Qt::BlockingQueuedConnection);
}

} // namespace orvane
