#include "operations/CallPanel.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace orvane {
namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

CallPanel::CallPanel(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CallPanel"));
    setWindowTitle(QStringLiteral("Select call"));
    setFixedWidth(260);
    CallBevel = named(new QFrame(this), "CallBevel");
    CallBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    CallBevel->setGeometry(8, 8, 244, 97);
    CallBox = named(new QComboBox(this), "CallBox");
    CallBox->setEditable(true);
    CallBox->setInsertPolicy(QComboBox::NoInsert);
    CallBox->setGeometry(16, 16, 228, 24);
    butLongPath = named(new QRadioButton(QStringLiteral("Adaptive"), this), "butLongPath");
    butLongPath->setGeometry(16, 48, 110, 20);
    butShortPath = named(new QRadioButton(QStringLiteral("Manual"), this), "butShortPath");
    butShortPath->setGeometry(130, 48, 110, 20);
    butShortPath->setChecked(true);
    butLongPath->hide();
    butShortPath->hide();

    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setGeometry(8, 140, 244, 190);
    WaveFormatList = named(new QListWidget(Panel1), "WaveFormatList");
    WaveFormatList->setGeometry(4, 4, 100, 180);
    for (const WaveformEntry& w : kWaveforms) WaveFormatList->addItem(QString::fromLatin1(w.name));
    auto label = [this](const char* name, const char* text, int y) {
        QLabel* l = named(new QLabel(QString::fromLatin1(text), Panel1), name);
        l->setGeometry(110, y, 130, 20);
        return l;
    };
    CELabel = label("CELabel", "Code Effeciency", 4);
    BSLabel = label("BSLabel", "Block Size", 28);
    BRLabel = label("BRLabel", "Base Rate", 52);
    ALabel = label("ALabel", "Actual", 76);
    connect(WaveFormatList, &QListWidget::currentRowChanged, this, [this] { WaveFormatListChange(); });

    butCall = named(new QPushButton(QStringLiteral("Call"), this), "butCall");
    butCall->setDefault(true);
    CancelBtn = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelBtn");
    setHeights(120, 83);
}

void CallPanel::setHeights(int dialog, int bevel) {
    setFixedHeight(dialog);
    CallBevel->setFixedHeight(bevel);
    const int buttonsTop = bevel + 8 + 4;
    butCall->setGeometry(60, buttonsTop, 80, 24);
    CancelBtn->setGeometry(150, buttonsTop, 80, 24);
    Panel1->setVisible(dialog > 200);
}

void CallPanel::WaveFormatListChange() {
    const int row = WaveFormatList->currentRow();
    if (row < 0 || row >= static_cast<int>(std::size(kWaveforms))) return;
    const WaveformEntry& w = kWaveforms[row];
    CELabel->setText(QString::fromLatin1(w.codeEfficiency));
    BSLabel->setText(QString::fromLatin1(w.blockSize));
    BRLabel->setText(QString::fromLatin1(w.baseRate));
    ALabel->setText(QString::fromLatin1(w.actual));
}

void CallPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CallBox->setFocus(); // FormShow
}

} // namespace orvane
