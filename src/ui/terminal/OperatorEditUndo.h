#pragma once

#include <QString>

#include <optional>

class QPlainTextEdit;

namespace orvane {

// Undo for the operator's own edits in a pane whose document keeps no undo
// history (the receive pane, which grows for hours). Each edit is taken as
// the difference it made to the lines around the caret, so received text
// inserted elsewhere meanwhile never becomes part of it. Typing on from the
// end of the last edit extends it, as one undo takes back a typed word.
class OperatorEditUndo {
public:
    explicit OperatorEditUndo(QPlainTextEdit& pane) : pane_(pane) {}

    // Around one operator input (a key, a paste, a cut); nested calls count once.
    void beginEdit();
    void endEdit();
    // Text the program put in at `position`: the last edit moves with it, or
    // is forgotten when the text went into it.
    void programInserted(int position, int length);
    // The pane's text changed beyond what an edit can follow (cleared, a drop).
    void forget() { last_.reset(); }

    bool available() const { return last_.has_value(); }
    // Puts back what the last edit replaced, if the pane still shows that edit.
    void undo();

private:
    struct Edit {
        int position = 0;
        QString removed;
        QString added;
    };
    struct Lines {
        int start = 0;
        int end = 0; // one past the last character, in the text before the edit
        QString text;
    };
    Lines linesAroundSelection() const;
    void remember(Edit edit);

    QPlainTextEdit& pane_;
    int depth_ = 0;
    Lines before_;
    int lengthBefore_ = 0;
    std::optional<Edit> last_;
};

} // namespace orvane
