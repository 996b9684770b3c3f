#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orvane {

// The borderless start-up window whose memo logs each step. It never covers
// a question: while any dialog or message box of ours is up it is hidden,
// and it comes back when the last one goes, until the start-up is over.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // The start-up begins and ends.
    void startShowing();
    void stopShowing();

    // "Reading Configuration" followed by eight dots.
    void logStep(const QString& step);
    // The line "..OK" that closes a step.
    void logOk();
    void moveCaretToEnd();
    QString logText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void appendText(const QString& text);
    void giveWayToDialogs();

    QPlainTextEdit* memo_;
    bool wanted_ = false;
};

} // namespace orvane
