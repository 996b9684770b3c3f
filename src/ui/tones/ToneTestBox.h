#pragma once

#include "operations/tones/ToneTestView.h"

class QComboBox;
class QFrame;
class QMainWindow;

namespace orvane {

class TestTones;

// The panel ToneTestBox over the main window: the label "Tone Test", the
// drop-down list ToneBox and the button butTestCancel. Built hidden, with the
// list the window starts with; the mode set-ups fill ToneBox by name.
class ToneTestBox final : public ToneTestView {
public:
    explicit ToneTestBox(QMainWindow& window);

    // The operator's choices in the list and the Cancel button go to `tones`.
    void connectTo(TestTones& tones);

    void open() override;
    void close() override;

private:
    QMainWindow& window_;
    QFrame* panel_;
    QComboBox* toneBox_;
};

} // namespace orvane
