#include "ui/config/DialogWidgets.h"

#include "platform/ControlObjects.h"
#include "ui/config/ControlBindings.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace orvane {
namespace {

class NumberValidator final : public QValidator {
public:
    NumberValidator(NumberRange range, QObject* parent) : QValidator(parent), range_(range) {}
    State validate(QString& input, int&) const override {
        return acceptsNumberText(ss(input), range_) ? Acceptable : Invalid;
    }

private:
    NumberRange range_;
};

// Typed letters turn upper case; what a call sign cannot carry is dropped.
class CallSignValidator final : public QValidator {
public:
    CallSignValidator(std::size_t capacity, QObject* parent)
        : QValidator(parent), capacity_(capacity) {}
    State validate(QString& input, int& position) const override {
        const QString cleaned = qs(callSignInput(ss(input), capacity_));
        if (cleaned != input) {
            position = std::min<int>(position, static_cast<int>(cleaned.size()));
            input = cleaned;
        }
        return Acceptable;
    }

private:
    std::size_t capacity_;
};

class KeySwallower final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
               event->type() == QEvent::ShortcutOverride;
    }
};

} // namespace

RadioGroup radioGroup(QWidget* parent, const char* boxName, const QString& title,
                      std::initializer_list<ButtonChoice> buttons, bool vertical) {
    RadioGroup group{new QGroupBox(title, parent), {}};
    group.box->setObjectName(QString::fromLatin1(boxName));
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group.box))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(group.box));
    layout->setContentsMargins(6, 2, 6, 2);
    for (const ButtonChoice& choice : buttons) {
        auto* button = new QRadioButton(QString::fromUtf8(choice.caption), group.box);
        button->setObjectName(QString::fromLatin1(choice.name));
        layout->addWidget(button);
        group.buttons.push_back(button);
    }
    return group;
}

QLineEdit* numberEdit(QWidget* parent, const char* name, NumberRange range) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new NumberValidator(range, edit));
    edit->setMaxLength(static_cast<int>(std::to_string(range.highest).size()));
    edit->setMaximumWidth(64);
    return edit;
}

QValidator* callSignValidator(std::size_t capacity, QObject* parent) {
    return new CallSignValidator(capacity, parent);
}

QLineEdit* callSignEdit(QWidget* parent, const char* name, std::size_t capacity) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(callSignValidator(capacity, edit));
    return edit;
}

QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->installEventFilter(new KeySwallower(box));
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A page of the dialog: a grid of groups placed top-aligned.
QWidget* newPage(Control control) {
    auto* page = new QWidget;
    nameControl(*page, control);
    new QGridLayout(page);
    return page;
}

void place(QWidget* page, QWidget* widget, int row, int column, int rowSpan, int columnSpan) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    widget->setParent(page);
    grid->addWidget(widget, row, column, rowSpan, columnSpan, Qt::AlignTop);
}

QGroupBox* groupOf(QWidget* parent, const char* boxName, const QString& title,
                   std::initializer_list<std::pair<QString, QWidget*>> rows) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(boxName));
    auto* layout = new QFormLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    for (const auto& [caption, widget] : rows) {
        widget->setParent(box);
        layout->addRow(caption, widget);
    }
    return box;
}

} // namespace orvane
