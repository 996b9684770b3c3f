#include "ui/config/SettingWidgets.h"

#include "configure/InputRules.h"
#include "configure/SettingControls.h"
#include "ui/config/ControlBindings.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <string>

namespace orvane {

RadioGroup SettingWidgets::buttons(QWidget* parent, SettingsField field, bool vertical) {
    const SettingDescriptor& setting = settingDescriptor(field);
    const DialogControl& control = setting.Control;
    RadioGroup group{new QGroupBox(qs(control.Caption), parent), {}};
    group.box->setObjectName(qs(control.Name));
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(group.box))
                                  : static_cast<QBoxLayout*>(new QHBoxLayout(group.box));
    layout->setContentsMargins(6, 2, 6, 2);
    std::vector<std::pair<QRadioButton*, std::string>> words;
    for (std::size_t i = 0; i < control.Buttons.size() && !control.Buttons[i].Name.empty(); ++i) {
        auto* button = new QRadioButton(qs(control.Buttons[i].Caption), group.box);
        button->setObjectName(qs(control.Buttons[i].Name));
        layout->addWidget(button);
        group.buttons.push_back(button);
        words.emplace_back(button, std::string(setting.Words[i]));
    }
    bindings_.words(std::move(words), controls_.text(setting));
    return group;
}

QLineEdit* SettingWidgets::edit(QWidget* parent, SettingsField field) {
    const SettingDescriptor& setting = settingDescriptor(field);
    QLineEdit* line = numberEdit(parent, std::string(setting.Control.Name).c_str(),
                                 setting.Range.value_or(kByteRange));
    bindings_.edit(line, controls_.text(setting));
    return line;
}

QGroupBox* SettingWidgets::edits(QWidget* parent, const char* boxName, const QString& title,
                                 std::initializer_list<SettingsField> fields) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(boxName));
    auto* layout = new QFormLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    for (const SettingsField& field : fields)
        layout->addRow(caption(field), edit(box, field));
    return box;
}

QComboBox* SettingWidgets::list(QWidget* parent, SettingsField field) {
    const SettingDescriptor& setting = settingDescriptor(field);
    QStringList items;
    for (std::string_view word : setting.Words)
        if (!word.empty()) items << qs(word);
    QComboBox* box = pickList(parent, std::string(setting.Control.Name).c_str(), items);
    bindings_.list(box, controls_.text(setting));
    return box;
}

QSpinBox* SettingWidgets::spin(QWidget* parent, SettingsField field) {
    const SettingDescriptor& setting = settingDescriptor(field);
    auto* box = new QSpinBox(parent);
    box->setObjectName(qs(setting.Control.Name));
    if (setting.Range) box->setRange(setting.Range->lowest, setting.Range->highest);
    std::string& text = controls_.text(setting);
    bindings_.custom(
        [box, &text] {
            const QSignalBlocker block(box);
            box->setValue(leadingNumber(text));
        },
        [box, &text] { text = std::to_string(box->value()); });
    return box;
}

QLabel* SettingWidgets::label(QWidget* parent, SettingsField field) {
    const SettingDescriptor& setting = settingDescriptor(field);
    QLabel* shown = orvane::label(parent, std::string(setting.Control.Name).c_str(), QString());
    const std::string& text = controls_.text(setting);
    const QString suffix = qs(setting.Control.Suffix);
    bindings_.custom([shown, &text, suffix] { shown->setText(qs(text) + suffix); }, [] {});
    return shown;
}

QString SettingWidgets::caption(SettingsField field) {
    return qs(settingDescriptor(field).Control.Caption);
}

} // namespace orvane
