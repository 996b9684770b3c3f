#include "ui/operations/HereIsPanel.h"

#include "platform/ControlObjects.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace orvane {
namespace {

// The number box shows 10 as "WRU".
class MessageNumberBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override {
        return value == 10 ? QStringLiteral("WRU") : QString::number(value);
    }
    int valueFromText(const QString& text) const override {
        return text == QLatin1String("WRU") ? 10 : text.toInt();
    }
};

} // namespace

HereIsPanel::HereIsPanel(QWidget* parent) : QFrame(parent) {
    nameControl(*this, Control::HereIsPanel);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Here-IS Message:"), this), 0, 0);
    HereIsSelector = new MessageNumberBox(this);
    nameControl(*HereIsSelector, Control::HereIsSelector);
    // 0 is MSG 0's message, which the keyboard opens the panel at.
    HereIsSelector->setRange(0, 10);
    HereIsSelector->setValue(1);
    if (auto* edit = HereIsSelector->findChild<QLineEdit*>())
        nameControl(*edit, Control::HereIsNumber);
    layout->addWidget(HereIsSelector, 0, 1);
    edHereIs = new QPlainTextEdit(this);
    nameControl(*edHereIs, Control::HereIsText);
    edHereIs->setTabChangesFocus(false);
    layout->addWidget(edHereIs, 1, 0, 1, 3);
    Button4 = new QPushButton(QStringLiteral("&Send"), this);
    nameControl(*Button4, Control::HereIsSend);
    Button5 = new QPushButton(QStringLiteral("&Cancel"), this);
    nameControl(*Button5, Control::HereIsCancel);
    layout->addWidget(Button4, 2, 1);
    layout->addWidget(Button5, 2, 2);
    resize(360, 200);
    hide();
}

int HereIsPanel::number() const {
    return HereIsSelector->value();
}

void HereIsPanel::showNumber(int n) {
    const QSignalBlocker quiet(HereIsSelector);
    HereIsSelector->setValue(n);
}

} // namespace orvane
