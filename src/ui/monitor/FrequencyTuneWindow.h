#pragma once

#include "monitor/TuningFigures.h"

#include <QColor>
#include <QWidget>

namespace orvane {

// "Frequency Tune": a black scale with the pointer FreqPointer, centred at
// 113 when the signal is on frequency, lime, yellow or red by how far off it
// is; the side band buttons LSB and USB, which nothing reads.
class FrequencyTuneWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 233;
    static constexpr int kClientHeight = 68;

    explicit FrequencyTuneWindow(QWidget* owner);

    // Only what changed is touched: a move repaints the two strips the
    // pointer left and entered, a colour change the pointer alone.
    void showPointer(const PointerPlace& where);
    // "Tune Slowly!", hidden at first.
    void showTuneSlowly(bool shown);

    QWidget* pointer() const { return pointer_; }
    QColor pointerColour() const;

private:
    QWidget* pointer_ = nullptr;
    QWidget* tuneSlowly_ = nullptr;
};

} // namespace orvane
