#include "platform/QtSound.h"

#include "platform/ToneSamples.h"

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

// The link tone must not freeze the window and the received text for its
// second: the output plays it beside the caller.
void QtSound::tone(int hz, int ms) {
    if (!output_.play(toneSamples(hz, ms))) QApplication::beep();
}

} // namespace orvane
