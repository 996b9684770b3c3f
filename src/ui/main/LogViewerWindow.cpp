#include "ui/main/LogViewerWindow.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace orvane {

LogViewerWindow::LogViewerWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), text_(new QPlainTextEdit(this)),
      watcher_(new QFileSystemWatcher(this)) {
    setObjectName(QStringLiteral("LogViewer"));
    text_->setObjectName(QStringLiteral("LogText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(text_);
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* close = menu->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        reload();
        // A file written anew is watched again.
        if (!watcher_->files().contains(file_)) watcher_->addPath(file_);
    });
    resize(720, 420);
}

bool LogViewerWindow::show(const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    if (path != file_) {
        if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
        file_ = path;
        text_->clear();
        watcher_->addPath(file_);
    }
    if (!reload()) return false;
    setWindowTitle(
        QStringLiteral("Session Log %1").arg(QString::fromStdString(file.filename().string())));
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    QMainWindow::show();
    raise();
    activateWindow();
    return true;
}

bool LogViewerWindow::reload() {
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QScrollBar* bar = text_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const int kept = bar->value();
    text_->setPlainText(QString::fromUtf8(in.readAll()));
    bar->setValue(atEnd ? bar->maximum() : kept);
    return true;
}

} // namespace orvane
