#include "platform/QtSound.h"

#include <QApplication>

namespace orvane {

void QtSound::playSystemDefault() {
    QApplication::beep();
}
void QtSound::playExclamation() {
    QApplication::beep();
}
void QtSound::beep() {
    QApplication::beep();
}

void QtSound::tone(int /*hz*/, int /*ms*/) {
    // With no tone generator the tone is the desktop's beep. It sounds beside
    // the caller and never holds it: the link tone must not freeze the window
    // and the received text for its second.
    QApplication::beep();
}

} // namespace orvane
