#pragma once

#include "config/SettingDescriptor.h"
#include "ui/config/DialogWidgets.h"

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace orvane {

class ControlBindings;
class SettingControls;

// Builds the configuration dialog's control of a setting as the settings
// table describes it (object names, captions, the words of the buttons, the
// range of an edit) and ties it to the setting's text among the controls.
class SettingWidgets {
public:
    SettingWidgets(ControlBindings& bindings, SettingControls& controls)
        : bindings_(bindings), controls_(controls) {}

    // The titled group of radio buttons, one per word.
    RadioGroup buttons(QWidget* parent, SettingsField field, bool vertical = false);
    // A number edit that takes digits within the setting's range.
    QLineEdit* edit(QWidget* parent, SettingsField field);
    // A titled group of number edits, each in a row with its caption.
    QGroupBox* edits(QWidget* parent, const char* boxName, const QString& title,
                     std::initializer_list<SettingsField> fields);
    QComboBox* list(QWidget* parent, SettingsField field);
    QSpinBox* spin(QWidget* parent, SettingsField field);
    QLabel* label(QWidget* parent, SettingsField field);
    // The caption of an edit's or a label's row.
    static QString caption(SettingsField field);

private:
    ControlBindings& bindings_;
    SettingControls& controls_;
};

} // namespace orvane
