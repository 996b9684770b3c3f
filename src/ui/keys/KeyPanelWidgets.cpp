#include "ui/keys/KeyPanelWidgets.h"

#include "platform/ControlObjects.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace orvane {
namespace {

void frame(QFrame& panel, Control control) {
    nameControl(panel, control);
    panel.setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel.setLineWidth(2);
    panel.setAutoFillBackground(true);
    panel.hide();
}

QPushButton* button(QWidget* parent, Control control, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    nameControl(*b, control);
    b->setAutoDefault(false);
    return b;
}

// Letters typed show in upper case.
QLineEdit* callEdit(QWidget* parent, Control control) {
    auto* edit = new QLineEdit(parent);
    nameControl(*edit, control);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
        const int at = edit->cursorPosition();
        edit->setText(typed.toUpper());
        edit->setCursorPosition(at);
    });
    return edit;
}

// A caption above the edit, the two buttons side by side below.
void callLayout(QFrame& panel, const char* caption, QWidget* field, QPushButton* ok,
                QPushButton* cancel) {
    auto* grid = new QGridLayout(&panel);
    grid->addWidget(new QLabel(QString::fromLatin1(caption), &panel), 0, 0, 1, 2);
    grid->addWidget(field, 1, 0, 1, 2);
    grid->addWidget(ok, 2, 0);
    grid->addWidget(cancel, 2, 1);
}

} // namespace

MycallPanel::MycallPanel(QWidget* parent) : QFrame(parent) {
    frame(*this, Control::MycallPanel);
    edMycall = callEdit(this, Control::MycallEdit);
    Button1 = button(this, Control::MycallOk, "O&K");
    Button1->setDefault(true);
    Button3 = button(this, Control::MycallCancel, "&Cancel");
    callLayout(*this, "Mycall", edMycall, Button1, Button3);
    resize(185, 105);
}

HisCallPanel::HisCallPanel(QWidget* parent) : QFrame(parent) {
    frame(*this, Control::HisCallPanel);
    edHisCall = callEdit(this, Control::HisCallEdit);
    Button9 = button(this, Control::HisCallOk, "O&K");
    Button10 = button(this, Control::HisCallCancel, "&Cancel");
    callLayout(*this, "HisCall", edHisCall, Button9, Button10);
    resize(185, 105);
}

AFChannelPanel::AFChannelPanel(QWidget* parent) : QFrame(parent) {
    frame(*this, Control::AfChannelPanel);
    AFChannelSpin = new QSpinBox(this);
    nameControl(*AFChannelSpin, Control::AfChannelSpin);
    AFChannelSpin->setRange(1, 4);
    Button11 = button(this, Control::AfChannelOk, "O&K");
    Button12 = button(this, Control::AfChannelCancel, "&Cancel");
    callLayout(*this, "AF Channel", AFChannelSpin, Button11, Button12);
    resize(185, 105);
}

TonesPanel::TonesPanel(const Names& names, QWidget* parent) : QFrame(parent) {
    frame(*this, names.panel);
    auto* grid = new QGridLayout(this);
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i] = new QLineEdit(this);
        nameControl(*edits[i], names.edits[i]);
        const int row = static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromLatin1(names.captions[i]), this), row, 0);
        grid->addWidget(edits[i], row, 1);
    }
    ok = button(this, names.ok, "O&K");
    ok->setDefault(true);
    cancel = button(this, names.cancel, "&Cancel");
    grid->addWidget(ok, 4, 0);
    grid->addWidget(cancel, 4, 1);
    resize(200, 170);
}

} // namespace orvane
