#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QFrame;

namespace orvane {

// One entry of the Quoral waveform list with the figures the panel shows.
struct WaveformEntry {
    const char* name;
    int waveformByte;
    const char* codeEfficiency;
    const char* blockSize;
    const char* baseRate;
    const char* actual;
};

inline constexpr WaveformEntry kWaveforms[] = {
    {"BPSM", 0x99, "60%", "85", "125", "75"},    {"QPSM", 0x9D, "60%", "85", "250", "150"},
    {"8PSM", 0xE1, "60%", "255", "375", "225"},  {"8P2A", 0xE5, "60%", "255", "500", "300"},
    {"16PSM", 0xE9, "60%", "255", "750", "450"}, {"16P4A", 0xED, "60%", "51", "63", "38"},
};

// TCallPanel, "Select call": the station to call, Adaptive/Manual (Quoral)
// or long/short path (P-Mode), the waveform list of a manual Quoral call.
class CallPanel : public QDialog {
    Q_OBJECT
public:
    explicit CallPanel(QWidget* parent = nullptr);

    QComboBox* CallBox;
    QRadioButton* butLongPath;
    QRadioButton* butShortPath;
    QFrame* CallBevel;
    QFrame* Panel1;
    QListWidget* WaveFormatList;
    QLabel* CELabel;
    QLabel* BSLabel;
    QLabel* BRLabel;
    QLabel* ALabel;
    QPushButton* butCall;
    QPushButton* CancelBtn;

    // Shows the four figures of the selected waveform; none selected leaves them.
    void showWaveformFigures();
    // Dialog and bevel height; the waveform panel shows in the tall form.
    void setHeights(int dialog, int bevel);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeFigures();
};

} // namespace orvane
