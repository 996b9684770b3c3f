#pragma once

#include <QMainWindow>

class QTextEdit;

namespace orvane {

class Prompter;

// Shows the hot-key description file, with Print and Exit.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(const QString& hotkeysFile, Prompter& prompter, QWidget* parent = nullptr);

    QTextEdit* editor() const { return editor_; }
    void printText();

private:
    Prompter& prompter_;
    QTextEdit* editor_;
};

} // namespace orvane
