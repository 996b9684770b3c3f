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

    // The modem's frequency offset report.
    void ShowFreqOffset(std::int8_t offset) { place(pointerForFreqOffset(offset)); }
    // The other station's offset from the link statistics.
    void ShowRemoteFreq(std::int8_t offset) { place(pointerForRemoteFreq(offset)); }

    QWidget* pointer() const { return pointer_; }
    QColor pointerColour() const;

private:
    void place(const PointerPlace& where);

    QWidget* pointer_ = nullptr;
};

} // namespace orvane
