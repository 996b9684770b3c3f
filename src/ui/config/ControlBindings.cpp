#include "ui/config/ControlBindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace orvane {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ss(const QString& text) {
    return text.toStdString();
}

void ControlBindings::add(QWidget* widget, std::function<void()> show, std::function<void()> take) {
    bindings_.push_back({widget, std::move(show), std::move(take)});
}

void ControlBindings::pair(QRadioButton* first, QRadioButton* second, bool& value) {
    add(
        first,
        [first, second, &value] {
            const QSignalBlocker block(second);
            (value ? first : second)->setChecked(true);
        },
        [first, &value] { value = first->isChecked(); });
}

void ControlBindings::words(std::vector<std::pair<QRadioButton*, std::string>> buttons,
                            std::string& word) {
    QWidget* anchor = buttons.front().first;
    add(
        anchor,
        [buttons, &word] {
            const bool known =
                std::any_of(buttons.begin(), buttons.end(),
                            [&word](const auto& entry) { return entry.second == word; });
            for (const auto& [button, buttonWord] : buttons) {
                const QSignalBlocker block(button);
                if (buttonWord == word) button->setChecked(true);
                if (known) continue;
                // No button stands for the word: none is checked.
                button->setAutoExclusive(false);
                button->setChecked(false);
                button->setAutoExclusive(true);
            }
        },
        [buttons, &word] {
            word.clear();
            for (const auto& [button, buttonWord] : buttons)
                if (button->isChecked()) word = buttonWord;
        });
}

void ControlBindings::edit(QLineEdit* edit, std::string& text) {
    add(
        edit, [edit, &text] { edit->setText(qs(text)); },
        [edit, &text] { text = ss(edit->text()); });
}

void ControlBindings::list(QComboBox* box, std::string& text,
                           const std::vector<std::string>* items) {
    add(
        box,
        [box, &text, items] {
            if (items) {
                box->clear();
                for (const std::string& item : *items)
                    box->addItem(qs(item));
            }
            const int index = box->findText(qs(text));
            if (box->isEditable() || index < 0) box->setCurrentText(qs(text));
            if (index >= 0) box->setCurrentIndex(index);
            if (index < 0 && !box->isEditable()) box->setCurrentIndex(-1);
        },
        [box, &text] { text = ss(box->currentText()); });
}

void ControlBindings::spin(QSpinBox* spin, int& value) {
    add(
        spin, [spin, &value] { spin->setValue(value); }, [spin, &value] { value = spin->value(); });
}

void ControlBindings::check(QCheckBox* box, bool& value) {
    add(
        box, [box, &value] { box->setChecked(value); },
        [box, &value] { value = box->isChecked(); });
}

void ControlBindings::label(QLabel* label, const std::string& text) {
    add(
        label, [label, &text] { label->setText(qs(text)); }, [] {});
}

void ControlBindings::label(QLabel* label, const int& value) {
    add(
        label, [label, &value] { label->setText(QString::number(value)); }, [] {});
}

void ControlBindings::custom(std::function<void()> show, std::function<void()> take) {
    add(nullptr, std::move(show), std::move(take));
}

void ControlBindings::show() const {
    for (const Binding& binding : bindings_) {
        if (!binding.widget) {
            binding.show();
            continue;
        }
        const QSignalBlocker block(binding.widget);
        binding.show();
    }
}

void ControlBindings::take() const {
    for (const Binding& binding : bindings_)
        binding.take();
}

} // namespace orvane
