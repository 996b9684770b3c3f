#include "ui/main/MainWindow.h"

#include "platform/ControlObjects.h"
#include "ui/main/MainMenus.h"
#include "ui/main/StatusPanelLabel.h"
#include "ui/main/Version.h"
#include "ui/surface/ModeToolbars.h"
#include "ui/surface/TransientPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>

namespace orvane {
namespace {

struct PanelLayout {
    Control control;
    int width;
    Qt::Alignment alignment;
    const char* tip; // what the panel shows, with its units
};

constexpr PanelLayout kPanelLayout[MainWindow::kPanelCount] = {
    {Control::ModePanel, 70, Qt::AlignHCenter, "Operating mode"},
    {Control::LinkPanel, 130, Qt::AlignLeft,
     "Link state: standby, calling, or the station linked to; the baud rate after Alt+R"},
    {Control::EventPanel, 75, Qt::AlignLeft,
     "Modem events: TX sending, RX receiving, TFC traffic, RQ repeat asked, ERR errors, PHS "
     "phasing; during a link the bias"},
    {Control::StationPanel, 75, Qt::AlignLeft,
     "This station's turn: ISS sending, IRS receiving; or the kind of traffic"},
    {Control::RatePanel, 100, Qt::AlignLeft, "P-Mode link speed in baud"},
    {Control::FormatPanel, 52, Qt::AlignLeft,
     "Lines in the receive (RX) and transmit (TX) panes; polarity or Huffman briefly after a "
     "change"},
    {Control::EntryPanel, 52, Qt::AlignLeft,
     "How typed text is sent (character, word or line); while saving, the file and its bytes"},
    {Control::SetupPanel, 52, Qt::AlignHCenter, "Set by the mode's set-up; empty in most modes"},
    {Control::ClockPanel, 10, Qt::AlignRight, "Date and time in UTC"},
};

} // namespace

MainWindow::MainWindow(QWidget* receivePane, QWidget* parent)
    : QMainWindow(parent), receivePane_(receivePane) {
    nameControl(*this, Control::MainWindow);
    setWindowTitle(QStringLiteral("Zarvel Orvane " ORVANE_VERSION_TEXT));
    buildMainMenus(*menuBar());

    splitter_ = new QSplitter(Qt::Vertical, this);
    nameControl(*splitter_, Control::PaneSplitter);
    splitter_->setHandleWidth(6);
    splitter_->setToolTip(QStringLiteral("Drag up/down to adjust window size"));
    splitter_->setOpaqueResize(true);
    receivePane_->setParent(splitter_);
    receivePane_->setMinimumSize(300, 30);
    splitter_->addWidget(receivePane_);
    transmitPane_ = new QPlainTextEdit(splitter_);
    nameControl(*transmitPane_, Control::TransmitPane);
    // A plain-text pane keeps the removal of a sent line cheap however much
    // text waits below it; sent text is still greyed through its character formats.
    transmitPane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab types a tab here; the pane takes the focus from a click or the
    // console, never from Tab in another control.
    transmitPane_->setFocusPolicy(Qt::ClickFocus);
    transmitPane_->setMinimumSize(300, 30);
    splitter_->addWidget(transmitPane_);
    // Dragged as far as it goes, the divider stops at a pane's minimum size.
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({400, 52});
    setCentralWidget(splitter_);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { splitterDragged_ = true; });

    buildModeToolbars(*this);
    buildStatusBar();
    buildTransientPanels(*this);
    resize(720, 520);
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    nameControl(*bar, Control::StatusBar);
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(23);
    for (int i = 0; i < kPanelCount; ++i) {
        auto* label = new StatusPanelLabel(kPanelLayout[i].width, bar);
        nameControl(*label, kPanelLayout[i].control);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(kPanelLayout[i].alignment | Qt::AlignVCenter);
        label->setToolTip(QString::fromUtf8(kPanelLayout[i].tip));
        // The clock panel is narrow by design and grows with its text.
        bar->addPermanentWidget(label, i == kPanelCount - 1 ? 1 : 0);
        panels_[static_cast<size_t>(i)] = label;
    }
    setPanel(panel::Mode, QStringLiteral("QUORAL"));
    bar->hide();
}

void MainWindow::onTriggered(Control control, std::function<void()> handler) {
    if (QAction* item = action(control))
        connect(item, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void MainWindow::setTransmitHeight(int height) {
    transmitHeight_ = height;
    splitterDragged_ = false;
    QList<int> sizes = splitter_->sizes();
    int total = sizes.size() == 2 ? sizes[0] + sizes[1] : 0;
    splitter_->setSizes({std::max(30, total - height), height});
}

int MainWindow::transmitHeight() const {
    return splitterDragged_ ? transmitPane_->height() : transmitHeight_;
}

QStatusBar* MainWindow::statusPanels() const {
    return statusBar();
}

QAction* MainWindow::action(Control control) const {
    return findControl<QAction>(*this, control);
}

void MainWindow::setPanel(int index, const QString& text) {
    if (index < 0 || index >= kPanelCount) return;
    QLabel* label = panels_[static_cast<size_t>(index)];
    label->setText(text);
    // The clock's panel is narrow by layout; it grows to show the whole time.
    if (index == kPanelCount - 1)
        label->setMinimumWidth(
            std::max(kPanelLayout[index].width, label->fontMetrics().horizontalAdvance(text) + 8));
}

QString MainWindow::panel(int index) const {
    if (index < 0 || index >= kPanelCount) return {};
    return panels_[static_cast<size_t>(index)]->text();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closeHandler_ && !closeHandler_()) {
        e->ignore();
        return;
    }
    e->accept();
}

} // namespace orvane
