#include "ui/monitor/StatsHeaderPanel.h"

#include "platform/ControlObjects.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace orvane {
namespace {

QLineEdit* headerEdit(QWidget* parent, Control control) {
    auto* edit = new QLineEdit(parent);
    nameControl(*edit, control);
    edit->setMinimumWidth(220);
    return edit;
}

QPushButton* button(QWidget* parent, Control control, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    nameControl(*b, control);
    return b;
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

StatsHeaderPanel::StatsHeaderPanel(QWidget* mainWindow, Accept onOk, std::function<void()> onCancel)
    : QFrame(mainWindow), onOk_(std::move(onOk)), onCancel_(std::move(onCancel)) {
    nameControl(*this, Control::StatisticsHeaderPanel);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Statistics File Header"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto* form = new QFormLayout;
    frequency_ = headerEdit(this, Control::StatisticsFrequency);
    name_ = headerEdit(this, Control::StatisticsName);
    other_ = headerEdit(this, Control::StatisticsOther);
    form->addRow(QStringLiteral("Frequency"), frequency_);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Other"), other_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    QPushButton* okButton = button(this, Control::StatisticsOk, "&OK");
    QPushButton* cancelButton = button(this, Control::StatisticsCancel, "C&ancel");
    okButton->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &StatsHeaderPanel::ok);
    for (QLineEdit* edit : {frequency_, name_, other_})
        connect(edit, &QLineEdit::returnPressed, this, &StatsHeaderPanel::ok);
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancel_(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { onCancel_(); });

    resize(sizeHint());
    hide();
}

void StatsHeaderPanel::ok() {
    onOk_(text(frequency_), text(name_), text(other_));
}

} // namespace orvane
