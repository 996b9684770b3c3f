#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orvane {

// The borderless start-up window whose memo logs each step.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // "Reading Configuration" followed by eight dots.
    void logStep(const QString& step);
    // The line "..OK" that closes a step.
    void logOk();
    void moveCaretToEnd();
    QString logText() const;

private:
    void appendText(const QString& text);
    QPlainTextEdit* memo_;
};

} // namespace orvane
