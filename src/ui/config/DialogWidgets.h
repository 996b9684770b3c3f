#pragma once

#include "configure/InputRules.h"
#include "controls/Control.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QValidator;
class QWidget;

namespace orvane {

// Small builders for the dialogs' controls; every control gets its object
// name so that tests and the key handling find it.

struct ButtonChoice {
    const char* name;
    const char* caption;
};

// A titled group of radio buttons, one row or one column.
struct RadioGroup {
    QGroupBox* box;
    std::vector<QRadioButton*> buttons;
    QRadioButton* operator[](std::size_t i) const { return buttons[i]; }
};
RadioGroup radioGroup(QWidget* parent, const char* boxName, const QString& title,
                      std::initializer_list<ButtonChoice> buttons, bool vertical = false);

// A line edit that takes digits only, within the range.
QLineEdit* numberEdit(QWidget* parent, const char* name, NumberRange range);
// A line edit that takes a call sign, upper case, up to `capacity`.
QLineEdit* callSignEdit(QWidget* parent, const char* name, std::size_t capacity);
QValidator* callSignValidator(std::size_t capacity, QObject* parent);
// A drop-down list chosen with the mouse only: typing is swallowed.
QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items = {});
QLabel* label(QWidget* parent, const char* name, const QString& text);

// A page: a grid in which place() puts groups, top-aligned.
QWidget* newPage(Control control);
void place(QWidget* page, QWidget* widget, int row, int column, int rowSpan = 1,
           int columnSpan = 1);

// A labelled row of widgets inside a group.
QGroupBox* groupOf(QWidget* parent, const char* boxName, const QString& title,
                   std::initializer_list<std::pair<QString, QWidget*>> rows);

} // namespace orvane
