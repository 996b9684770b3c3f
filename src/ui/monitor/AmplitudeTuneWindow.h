#pragma once

#include <QWidget>

#include <array>

class QProgressBar;

namespace orvane {

// "Amplitude Bars": the four signal levels the modem reports, top to bottom
// TuneBar1 to TuneBar4, and the print squelch threshold as two small red
// markers, PrintSquelch over the first bar and PrintSquelch2 over the last.
// The mode set-ups and the configuration move and show the markers by name.
class AmplitudeTuneWindow final : public QWidget {
    Q_OBJECT
public:
    // The bars with their labels "Ch 1" to "Ch 4" before them.
    static constexpr int kClientWidth = 206;
    static constexpr int kClientHeight = 68;

    explicit AmplitudeTuneWindow(QWidget* owner);

    // Positions 0 to 100.
    void showBars(const std::array<int, 4>& positions);
    int bar(int index) const;

private:
    std::array<QProgressBar*, 4> bars_{};
};

} // namespace orvane
