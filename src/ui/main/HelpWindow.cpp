#include "ui/main/HelpWindow.h"

#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "platform/print/WitnessedPrint.h"
#include "ui/main/UserGuide.h"

#include <QFile>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>

namespace orvane {

HelpWindow::HelpWindow(const QString& hotkeysFile, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), prompter_(prompter) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    pages_ = new QTabWidget(this);
    guide_ = new QTextBrowser(pages_);
    guide_->setObjectName(QStringLiteral("UserGuide"));
    guide_->setHtml(userGuideHtml());
    pages_->addTab(guide_, QStringLiteral("&User Guide"));
    editor_ = new QTextEdit(pages_);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setReadOnly(true);
    editor_->setStyleSheet(QStringLiteral("background-color: #FFFF99;"));
    // The key list lines its columns up with spaces.
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pages_->addTab(editor_, QStringLiteral("Hot &Keys"));
    setCentralWidget(pages_);

    QFile file(hotkeysFile);
    if (file.open(QIODevice::ReadOnly))
        editor_->setPlainText(QString::fromLocal8Bit(file.readAll()));
    else
        editor_->setPlainText(QStringLiteral("Error loading data file..."));

    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* print = menu->addAction(QStringLiteral("&Print..."), this, &HelpWindow::printText);
    nameControl(*print, Control::HelpPrintItem);
    // It closes this window only; the console goes on.
    QAction* close = menu->addAction(QStringLiteral("&Close"), this, &QWidget::hide);
    close->setObjectName(QStringLiteral("Exit1"));
    close->setShortcut(QKeySequence::Close);
    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->addAction(print);
    resize(600, 400);
}

void HelpWindow::showGuidePage() {
    pages_->setCurrentWidget(guide_);
}

void HelpWindow::showKeysPage() {
    pages_->setCurrentWidget(editor_);
}

void HelpWindow::printText() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (prompter_.runDialog(dialog) != QDialog::Accepted) return;
    printer.setDocName(windowTitle());
    auto* page = qobject_cast<QTextEdit*>(pages_->currentWidget());
    if (!printWitnessed(printer, [&] { page->print(&printer); }).empty())
        prompter_.message("", "Error Printing...\r\n Please, Check Printer Installation",
                          PromptIcon::Stop, PromptButtons::Ok);
}

} // namespace orvane
