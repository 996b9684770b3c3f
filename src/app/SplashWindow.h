#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orvane {

class Clock;

// TSplashFrm: the borderless start-up window whose memo logs each step.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // The clock is not used: the steps show at once. (The console still
    // hands it over.)
    explicit SplashWindow(Clock& clock, QWidget* parent = nullptr);

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
