// Feeds the statistics and tuning windows one report round after another
// (tuning levels, link statistics, modulations, frequency offset), each round
// followed by the paint it causes, and prints the time per round: the lag
// between a report's arrival and its pixels.

#include "config/Settings.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/StatusRecords.h"
#include "support/ManualClock.h"
#include "ui/monitor/AmplitudeTuneWindow.h"
#include "ui/monitor/FrequencyTuneWindow.h"
#include "ui/monitor/MonitorWindows.h"
#include "ui/monitor/QuoralStatisticsWindow.h"
#include "ui/surface/WidgetSurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

using namespace orvane;

namespace {

// A fading signal and a drifting offset, so that every round moves something.
void fillRound(StatusRecords& records, int n) {
    const double fade = (1.0 + std::sin(n / 9.0)) / 2.0;
    for (std::size_t channel = 0; channel < 4; ++channel)
        records.tuneLevels.current[channel] =
            static_cast<std::uint8_t>(135 + 75 * fade - 6 * channel);
    const int offset = static_cast<int>(std::lround(19 * std::sin(n / 45.0)));
    records.linkStats[1] = static_cast<std::uint8_t>(6 + 48 * fade);
    records.linkStats[3] = static_cast<std::uint8_t>(-offset);
    records.linkStats[4] = static_cast<std::uint8_t>(20 + 70 * fade);
    records.linkStats[10] = static_cast<std::uint8_t>(offset);
    records.linkStats[13] = static_cast<std::uint8_t>(n % 120);
    records.modReport[0] = static_cast<std::uint8_t>((6 + n % 4) << 2);
    records.freqOffset = static_cast<std::int8_t>(-offset);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow main;
    WidgetSurface surface(main, {});
    auto* statistics = new QuoralStatisticsWindow(&main);
    auto* amplitude = new AmplitudeTuneWindow(&main);
    auto* frequency = new FrequencyTuneWindow(&main);
    StatusRecords records;
    LinkState link;
    Settings settings;
    testing::ManualClock clock;
    MonitorWindows monitor({main, *statistics, *amplitude, *frequency}, records, link, settings,
                           surface, clock, std::filesystem::temp_directory_path());
    main.show();
    statistics->show();
    amplitude->show();
    frequency->show();
    QApplication::processEvents();

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(rounds));
    QElapsedTimer timer;
    for (int n = 0; n < rounds; ++n) {
        fillRound(records, n);
        timer.start();
        monitor.ShowTuneLevels();
        monitor.ShowLinkStatistics();
        monitor.ShowModulations();
        monitor.ShowFreqOffset();
        QApplication::processEvents(); // the paint the round asked for
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    auto at = [&](double q) { return micros[static_cast<std::size_t>(q * (micros.size() - 1))]; };
    std::printf("platform %s, %d report rounds (four reports each)\n",
                qPrintable(QApplication::platformName()), rounds);
    std::printf(
        "per round, updates and paint: median %.0f us, 99th percentile %.0f us, worst %.0f us\n",
        at(0.5), at(0.99), micros.back());
    return 0;
}
