#include "platform/QtUiThread.h"

#include <QObject>

namespace orvane {
namespace {

// Posted work is addressed to an object of the queue's own, created on the
// user-interface thread: Qt drops what is still addressed to it when it goes.
class QtUiQueue final : public UiQueue {
public:
    void post(std::function<void()> work) override {
        QMetaObject::invokeMethod(&receiver_, std::move(work), Qt::QueuedConnection);
    }

private:
    QObject receiver_;
};

} // namespace

std::unique_ptr<UiQueue> QtUiThread::createQueue() {
    return std::make_unique<QtUiQueue>();
}

} // namespace orvane
