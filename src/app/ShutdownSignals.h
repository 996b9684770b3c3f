#pragma once

#include <QObject>

class QSocketNotifier;

namespace orvane {

// Turns SIGTERM and SIGINT into a signal on the user-interface thread, so the
// console closes exactly as the window's close box closes it.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void shutdownRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace orvane
