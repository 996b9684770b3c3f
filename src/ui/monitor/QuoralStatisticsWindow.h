#pragma once

#include "protocol/status/StatusRecords.h"

#include <QWidget>

#include <array>

class QLabel;

namespace orvane {

// "Quoral Stats": the latest link figures of this station (Local) and of the
// other one (Remote), each with the modulation it uses.
class QuoralStatisticsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit QuoralStatisticsWindow(QWidget* owner);

    void ShowLinkStatistics(const LinkStats& stats);
    // Bytes 0 (this station) and 2 (the other) of the modulation report; a
    // modulation without a name leaves its box as it was.
    void ShowModulations(const ModReport& report);

private:
    struct StationBoxes {
        QLabel *mod, *snr, *freq, *phs, *tput, *ecc;
    };
    QWidget* stationGroup(const char* title, const char* prefix, StationBoxes& boxes);
    static void setBoxText(QLabel* box, const std::string& text);

    StationBoxes local_{};
    StationBoxes remote_{};
};

} // namespace orvane
