#pragma once

#include "operations/TransmitPaneText.h"

class QPlainTextEdit;

namespace orvane {

struct Settings;

// The transmit pane's text as the operations edit it, over the pane's widget.
class TransmitPaneEdits final : public TransmitPaneText {
public:
    TransmitPaneEdits(QPlainTextEdit& pane, const Settings& settings)
        : pane_(pane), settings_(settings) {}

    bool isEmpty() const override;
    bool caretAtLineStart() const override;
    void insertAtCaret(const QString& text) override;
    void appendLines(const QStringList& lines) override;
    void setText(const QString& text) override;
    void restoreTypingColour() override;
    void moveCaretToStart() override;
    void moveCaretToEnd() override;
    QString firstLine() const override;
    bool firstLineComplete() const override;
    void greySent(int from, int to) override;
    void dropSentLine() override;

private:
    QPlainTextEdit& pane_;
    const Settings& settings_;
};

} // namespace orvane
