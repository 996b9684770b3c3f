#include "ui/surface/TransientPanels.h"

#include "ui/surface/PanelDrag.h"

#include "platform/ControlObjects.h"
#include "ui/surface/PanelCentring.h"

#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {
namespace {

enum class Look {
    RedPanel, // white caption on red, raised
    RedText,  // red caption, sunken
};

struct Box {
    Control control;
    const char* caption;
    Look look;
    int width;
    int height;
};

const Box kBoxes[] = {
    {Control::DisconnectPanel, "Disconnect", Look::RedPanel, 185, 41},
    {Control::PanicPanel, "Panic", Look::RedPanel, 185, 41},
    {Control::HardwareResetPanel, "Hardware Reset Occured", Look::RedPanel, 240, 41},
    {Control::OverBox, "OVER", Look::RedText, 161, 25},
    {Control::CwIdBox, "CW ID", Look::RedText, 101, 25},
};

QWidget* addBox(QMainWindow& window, const Box& box) {
    auto* label = new QLabel(QString::fromUtf8(box.caption), &window);
    nameControl(*label, box.control);
    label->setAlignment(Qt::AlignCenter);
    label->resize(box.width, box.height);
    label->setAutoFillBackground(true);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    if (box.look == Look::RedPanel) {
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setLineWidth(2);
        palette.setColor(QPalette::Window, Qt::red);
        palette.setColor(QPalette::WindowText, Qt::white);
    } else {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        palette.setColor(QPalette::WindowText, Qt::red);
    }
    label->setPalette(palette);
    label->hide();
    return label;
}

void addFaxPanel(QMainWindow& window) {
    auto* panel = new QFrame(&window);
    nameControl(*panel, Control::FaxPanel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->resize(329, 145);
    PanelDrag::enableOn(*panel);
    panel->hide();
}

void addFirmwarePanel(QMainWindow& window) {
    auto* panel = new QFrame(&window);
    nameControl(*panel, Control::FirmwarePanel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);

    auto* title = new QLabel(QStringLiteral("Firmware Download"), panel);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* fileName = new QLabel(panel);
    nameControl(*fileName, Control::FirmwareFileName);
    fileName->setAlignment(Qt::AlignCenter);
    fileName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(fileName);

    auto* gauge = new QProgressBar(panel);
    nameControl(*gauge, Control::FirmwareGauge);
    gauge->setTextVisible(false);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setStyleSheet(
        QStringLiteral("QProgressBar { background: black; border: 1px solid gray; }"
                       " QProgressBar::chunk { background: aqua; }"));
    layout->addWidget(gauge);

    auto* abort = new QPushButton(QStringLiteral("Abort"), panel);
    nameControl(*abort, Control::FirmwareAbort);
    layout->addWidget(abort, 0, Qt::AlignHCenter);

    panel->resize(300, 130);
    panel->hide();
}

// The window layout's place for the OVER box: the middle of the window, kept there
// as the window changes size, so showing the box never needs a move.
class OverBoxPlacement : public QObject {
public:
    OverBoxPlacement(QMainWindow& window, QWidget& box)
        : QObject(&box), window_(window), box_(box) {
        window.installEventFilter(this);
        centreOnWindow(box_, window_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Resize) centreOnWindow(box_, window_);
        return false;
    }

private:
    QMainWindow& window_;
    QWidget& box_;
};

} // namespace

void buildTransientPanels(QMainWindow& window) {
    QWidget* over = nullptr;
    for (const Box& box : kBoxes) {
        QWidget* added = addBox(window, box);
        if (box.control == Control::OverBox) over = added;
    }
    addFaxPanel(window);
    addFirmwarePanel(window);
    new OverBoxPlacement(window, *over);
}

} // namespace orvane
