#include "platform/QtSound.h"

#include <QApplication>
#include <QThread>

namespace orvane {

void QtSound::playSystemDefault() { QApplication::beep(); }
void QtSound::playExclamation() { QApplication::beep(); }
void QtSound::beep() { QApplication::beep(); }

void QtSound::tone(int /*hz*/, int ms) {
    QApplication::beep();
    // A tone holds the caller for its length, as the system tone does. With
    // no tone generator here that is a beep and the wait; the link tone's
    // 1 s wait should become a timer once there is a real tone to play.
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace orvane
