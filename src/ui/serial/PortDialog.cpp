#include "ui/serial/PortDialog.h"

#include "platform/ControlObjects.h"

#include <QComboBox>
#include <QEvent>
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

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

PortDialog::PortDialog(std::vector<PortOption> choices, const QString& reason, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      choices_(std::move(choices)), portBox_(new QComboBox(this)), stableName_(new QLabel(this)) {
    setObjectName("TComFrm");
    setWindowTitle("Serial Port Error");
    setModal(true);

    nameControl(*portBox_, Control::PortDialogList);
    portBox_->setEditable(false);
    portBox_->installEventFilter(new SwallowKeys(portBox_));
    portBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const PortOption& choice : choices_) {
        portBox_->addItem(qs(choice.label));
        portBox_->setItemData(portBox_->count() - 1,
                              qs(choice.stableName.empty() ? choice.target : choice.stableName),
                              Qt::ToolTipRole);
    }
    nameControl(*stableName_, Control::PortDialogStableName);
    stableName_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton("&OK", this);
    nameControl(*ok, Control::PortDialogOk);
    ok->setDefault(true);
    // The list takes no keys: Return accepts the port shown.
    ok->setFocus();
    auto* cancel = new QPushButton("C&ancel", this);
    nameControl(*cancel, Control::PortDialogCancel);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    // Why a port is asked for; there is no reason to show when the operator asked.
    auto* why = new QLabel(reason, this);
    nameControl(*why, Control::PortDialogReason);
    why->setWordWrap(true);
    why->setVisible(!reason.isEmpty());
    layout->addWidget(why);
    layout->addWidget(boldLabel("Select a Serial Port?", "QuestionLabel", this));
    auto* form = new QHBoxLayout;
    form->addWidget(boldLabel("Serial Port:", "PortLabel", this));
    form->addWidget(portBox_, 1);
    layout->addLayout(form);
    layout->addWidget(stableName_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    showChosen();
    connect(portBox_, &QComboBox::currentIndexChanged, this, [this] { showChosen(); });
}

const PortOption* PortDialog::chosen() const {
    const int index = portBox_->currentIndex();
    if (index < 0 || index >= static_cast<int>(choices_.size())) return nullptr;
    return &choices_[static_cast<std::size_t>(index)];
}

// The stable name, where there is one, is the port the console will keep.
void PortDialog::showChosen() {
    const PortOption* choice = chosen();
    stableName_->setText(choice && !choice->stableName.empty()
                             ? "Kept by its stable name: " + qs(choice->stableName)
                             : QString());
    stableName_->setVisible(!stableName_->text().isEmpty());
}

} // namespace orvane
