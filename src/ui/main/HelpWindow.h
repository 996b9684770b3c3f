#pragma once

#include <QMainWindow>

class QTabWidget;
class QTextBrowser;
class QTextEdit;

namespace orvane {

class Prompter;

// The user guide and the hot-key description file, each on a page of its
// own, with Print and Close.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(const QString& hotkeysFile, Prompter& prompter, QWidget* parent = nullptr);

    QTextEdit* editor() const { return editor_; }
    QTextBrowser* guide() const { return guide_; }
    void showGuidePage();
    void showKeysPage();
    // Prints the page on show.
    void printText();

private:
    Prompter& prompter_;
    QTabWidget* pages_;
    QTextBrowser* guide_;
    QTextEdit* editor_;
};

} // namespace orvane
