#include "ui/monitor/QuoralStatisticsWindow.h"

#include "monitor/StatisticsText.h"
#include "ui/monitor/MonitorWindowFlags.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvane {
namespace {

QLabel* figureBox(QWidget* parent, const QString& name) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(palette);
    box->setFixedSize(54, 20);
    return box;
}

} // namespace

QuoralStatisticsWindow::QuoralStatisticsWindow(QWidget* owner)
    : QWidget(owner, kMonitorWindowFlags) {
    setObjectName(QStringLiteral("QuoralStatisticsFrm"));
    setWindowTitle(QStringLiteral("Quoral Stats"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(stationGroup("Local", "My", local_));
    layout->addWidget(stationGroup("Remote", "His", remote_));
    setFixedSize(sizeHint());
}

QWidget* QuoralStatisticsWindow::stationGroup(const char* title, const char* prefix,
                                              StationBoxes& boxes) {
    auto* group = new QGroupBox(QString::fromLatin1(title), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    struct Column {
        const char* label;
        const char* box;
        QLabel** slot;
    };
    const Column columns[] = {{"MOD", "ModBox", &boxes.mod},    {"S/N", "SNRBox", &boxes.snr},
                              {"FREQ", "FreqBox", &boxes.freq}, {"PHS", "PHSBox", &boxes.phs},
                              {"TPUT", "TPUTBox", &boxes.tput}, {"ECC", "ECCBox", &boxes.ecc}};
    int column = 0;
    for (const Column& c : columns) {
        auto* label = new QLabel(QString::fromLatin1(c.label), group);
        grid->addWidget(label, 0, column, Qt::AlignHCenter);
        *c.slot = figureBox(group, QString::fromLatin1(prefix) + QString::fromLatin1(c.box));
        grid->addWidget(*c.slot, 1, column);
        ++column;
    }
    return group;
}

// Setting the same text again repaints nothing, so steady figures do not flicker.
void QuoralStatisticsWindow::setBoxText(QLabel* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
}

void QuoralStatisticsWindow::ShowLinkStatistics(const LinkStats& stats) {
    for (bool remote : {false, true}) {
        const StationFigures figures = stationFigures(stats, remote);
        const StationBoxes& boxes = remote ? remote_ : local_;
        setBoxText(boxes.snr, figures.snr);
        setBoxText(boxes.freq, figures.freq);
        setBoxText(boxes.tput, figures.tput);
        setBoxText(boxes.phs, figures.phs);
        setBoxText(boxes.ecc, figures.ecc);
    }
}

void QuoralStatisticsWindow::ShowModulations(const ModReport& report) {
    if (auto name = modulationName(modulationNumber(report[0]))) setBoxText(local_.mod, *name);
    if (auto name = modulationName(modulationNumber(report[2]))) setBoxText(remote_.mod, *name);
}

} // namespace orvane
