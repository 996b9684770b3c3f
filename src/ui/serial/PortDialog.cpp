#include "ui/serial/PortDialog.h"

#include "platform/ControlObjects.h"
#include "platform/Prompter.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

// Eats the keys of the port list, so that only the mouse changes it.
class SwallowKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: return true;
        default: return QObject::eventFilter(watched, event);
        }
    }
};

QLabel* boldLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

PortDialog::PortDialog(Prompter& prompter, const std::vector<PortEntry>& availablePorts,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      prompter_(prompter), portBox_(new QComboBox(this)) {
    setObjectName("TComFrm");
    setWindowTitle("Serial Port Error");
    setModal(true);

    nameControl(*portBox_, Control::PortDialogList);
    portBox_->setEditable(false);
    portBox_->installEventFilter(new SwallowKeys(portBox_));
    for (const auto& port : availablePorts) {
        portBox_->addItem("COM" + QString::number(port.number),
                          QString::fromStdString(port.device));
        portBox_->setItemData(portBox_->count() - 1, QString::fromStdString(port.device),
                              Qt::ToolTipRole);
    }

    auto* ok = new QPushButton("&OK", this);
    nameControl(*ok, Control::PortDialogOk);
    ok->setDefault(true);
    auto* cancel = new QPushButton("C&ancel", this);
    nameControl(*cancel, Control::PortDialogCancel);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QHBoxLayout;
    form->addWidget(boldLabel("Serial Port:", "PortLabel", this));
    form->addWidget(portBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boldLabel("Select a Serial Port?", "QuestionLabel", this));
    layout->addLayout(form);
    layout->addLayout(buttons);

    if (portBox_->count() > 0) {
        portBox_->setCurrentIndex(0);
        takeChosenPort();
    }
    connect(portBox_, &QComboBox::currentIndexChanged, this, [this] { takeChosenPort(); });
}

void PortDialog::takeChosenPort() {
    // The entry reads "COMn": the number is everything from the fourth character.
    const QString digits = portBox_->currentText().mid(3);
    bool isNumber = false;
    const int number = digits.toInt(&isNumber);
    if (digits.isEmpty() || !isNumber) {
        prompter_.message("Orvane", "Error Setting ComPort", PromptIcon::None, PromptButtons::Ok);
        return;
    }
    selectedPort_ = number;
}

} // namespace orvane
