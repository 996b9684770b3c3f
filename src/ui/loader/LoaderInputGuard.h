#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace orvane {

// While the loader owns the port, the window keeps working between the
// download's steps so that it repaints and Abort can be pressed; this keeps
// the operator's other clicks and keys, and the main window's close box, away
// from a console whose serial threads are parked.
class LoaderInputGuard final : public QObject {
public:
    LoaderInputGuard(QWidget& mainWindow, QWidget& allowed);
    ~LoaderInputGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> allowed_;
};

} // namespace orvane
