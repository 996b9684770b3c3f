#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace orvane {

// Ties each control of a dialog to its field in a plain record of values:
// show() puts every value into its control (without the controls' change
// signals firing), take() reads every control back.
class ControlBindings {
public:
    // A pair of buttons: the first is checked when the value is true.
    void pair(QRadioButton* first, QRadioButton* second, bool& value);
    // A group of buttons each standing for a word; none is checked for a word
    // no button stands for ("" too).
    void words(std::vector<std::pair<QRadioButton*, std::string>> buttons, std::string& word);
    void edit(QLineEdit* edit, std::string& text);
    // A list whose entries come from `items` (when given) and whose shown
    // entry is `text`.
    void list(QComboBox* box, std::string& text, const std::vector<std::string>* items = nullptr);
    void spin(QSpinBox* spin, int& value);
    void check(QCheckBox* box, bool& value);
    // Labels only show.
    void label(QLabel* label, const std::string& text);
    void label(QLabel* label, const int& value);
    // Anything else: how to show and how to take.
    void custom(std::function<void()> show, std::function<void()> take);

    void show() const;
    void take() const;

private:
    void add(QWidget* widget, std::function<void()> show, std::function<void()> take);

    struct Binding {
        QWidget* widget;
        std::function<void()> show;
        std::function<void()> take;
    };
    std::vector<Binding> bindings_;
};

QString qs(std::string_view text);
std::string ss(const QString& text);

} // namespace orvane
