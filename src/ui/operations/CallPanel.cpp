#include "ui/operations/CallPanel.h"

#include "platform/ControlObjects.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace orvane {
namespace {

constexpr const char* kCaptions[] = {"Code Effeciency", "Block Size", "Base Rate", "Actual"};

template <typename W> W* named(W* widget, Control control) {
    nameControl(*widget, control);
    return widget;
}

constexpr int kMargin = 8;
constexpr int kInset = 16; // controls inside the bevel
constexpr int kWidth = 280;
constexpr int kListWidth = 90;
constexpr int kPanelHeight = 190;

int hintHeight(const QWidget& w) {
    return w.sizeHint().height();
}

} // namespace

CallPanel::CallPanel(QWidget* parent) : QDialog(parent) {
    nameControl(*this, Control::CallPanel);
    setWindowTitle(QStringLiteral("Select call"));
    setFixedWidth(kWidth);
    CallBevel = named(new QFrame(this), Control::CallBevel);
    CallBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    CallBox = named(new QComboBox(this), Control::CallBox);
    CallBox->setEditable(true);
    CallBox->setInsertPolicy(QComboBox::NoInsert);
    butLongPath = named(new QRadioButton(QStringLiteral("Adaptive"), this), Control::CallAdaptive);
    butShortPath = named(new QRadioButton(QStringLiteral("Manual"), this), Control::CallManual);
    butShortPath->setChecked(true);
    butLongPath->hide();
    butShortPath->hide();

    Panel1 = named(new QFrame(this), Control::CallFormatFrame);
    WaveFormatList = named(new QListWidget(Panel1), Control::CallFormatList);
    WaveFormatList->setGeometry(4, 4, kListWidth, kPanelHeight - 8);
    for (const WaveformEntry& w : kWaveforms)
        WaveFormatList->addItem(QString::fromLatin1(w.name));
    auto label = [this](Control control, const char* caption) {
        return named(new QLabel(QString::fromLatin1(caption), Panel1), control);
    };
    CELabel = label(Control::CallCodeEfficiency, kCaptions[0]);
    BSLabel = label(Control::CallBlockSize, kCaptions[1]);
    BRLabel = label(Control::CallBaseRate, kCaptions[2]);
    ALabel = label(Control::CallActualRate, kCaptions[3]);
    connect(WaveFormatList, &QListWidget::currentRowChanged, this,
            [this] { showWaveformFigures(); });

    butCall = named(new QPushButton(QStringLiteral("Call"), this), Control::CallStart);
    butCall->setDefault(true);
    CancelBtn = named(new QPushButton(QStringLiteral("Cancel"), this), Control::CallCancel);
    setHeights(120, 83);
}

// The heights are the form's own; where the font needs more room (a larger
// desktop font, another style) the bevel and the dialog grow so that no
// control is cut off.
void CallPanel::setHeights(int dialog, int bevel) {
    const int inner = kWidth - 2 * kInset;
    const int boxHeight = hintHeight(*CallBox);
    CallBox->setGeometry(kInset, kInset, inner, boxHeight);
    int contentBottom = kInset + boxHeight;
    if (!butLongPath->isHidden()) {
        const int radioTop = contentBottom + kMargin;
        const int radioHeight = std::max(hintHeight(*butLongPath), hintHeight(*butShortPath));
        butLongPath->setGeometry(kInset, radioTop, inner / 2, radioHeight);
        butShortPath->setGeometry(kInset + inner / 2, radioTop, inner / 2, radioHeight);
        contentBottom = radioTop + radioHeight;
    }
    // The bevel starts a margin down, so its bottom then lies a margin below the content.
    bevel = std::max(bevel, contentBottom);
    CallBevel->setGeometry(kMargin, kMargin, kWidth - 2 * kMargin, bevel);

    const int buttonsTop = kMargin + bevel + 4;
    const int buttonHeight = std::max(hintHeight(*butCall), hintHeight(*CancelBtn));
    butCall->setGeometry(kWidth / 2 - 90, buttonsTop, 80, buttonHeight);
    CancelBtn->setGeometry(kWidth / 2 + 10, buttonsTop, 80, buttonHeight);
    int needed = buttonsTop + buttonHeight + kMargin;

    const bool waveforms = dialog > 200; // the tall form of a manual Quoral call
    Panel1->setVisible(waveforms);
    if (waveforms) {
        Panel1->setGeometry(kMargin, needed, kWidth - 2 * kMargin, kPanelHeight);
        placeFigures();
        needed += kPanelHeight + kMargin;
    }
    setFixedHeight(std::max(dialog, needed));
}

void CallPanel::placeFigures() {
    int top = 4;
    for (QLabel* label : {CELabel, BSLabel, BRLabel, ALabel}) {
        const int height = hintHeight(*label) + 4;
        label->setGeometry(kListWidth + 12, top, Panel1->width() - kListWidth - 16, height);
        top += height + 4;
    }
}

void CallPanel::showWaveformFigures() {
    const int row = WaveFormatList->currentRow();
    if (row < 0 || row >= static_cast<int>(std::size(kWaveforms))) return;
    const WaveformEntry& w = kWaveforms[row];
    const char* figures[] = {w.codeEfficiency, w.blockSize, w.baseRate, w.actual};
    QLabel* labels[] = {CELabel, BSLabel, BRLabel, ALabel};
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(QStringLiteral("%1: %2").arg(QString::fromLatin1(kCaptions[i]),
                                                        QString::fromLatin1(figures[i])));
}

void CallPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CallBox->setFocus();
}

} // namespace orvane
