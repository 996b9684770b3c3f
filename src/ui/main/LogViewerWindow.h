#pragma once

#include "platform/DocumentViewer.h"

#include <QMainWindow>

class QFileSystemWatcher;
class QPlainTextEdit;

namespace orvane {

// Shows a log file inside the console, read-only, and follows it: what is
// added to the file appears at the end, and the view stays at the end while
// the operator has not scrolled away from it.
class LogViewerWindow final : public QMainWindow, public DocumentViewer {
    Q_OBJECT
public:
    explicit LogViewerWindow(QWidget* parent = nullptr);

    // DocumentViewer: false when the file cannot be read.
    bool show(const std::filesystem::path& file) override;

    QPlainTextEdit* text() const { return text_; }

private:
    // Reads the file again, keeping the view at the end if it was there.
    bool reload();

    QPlainTextEdit* text_;
    QFileSystemWatcher* watcher_;
    QString file_;
};

} // namespace orvane
