#include "platform/QtSound.h"

#include <QApplication>
#include <QThread>

namespace orvane {

void QtSound::playSystemDefault() { QApplication::beep(); }
void QtSound::playExclamation() { QApplication::beep(); }
void QtSound::beep() { QApplication::beep(); }

void QtSound::tone(int /*hz*/, int ms) {
    QApplication::beep();
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace orvane
