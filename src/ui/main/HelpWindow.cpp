#include "ui/main/HelpWindow.h"

#include "platform/ControlObjects.h"
#include "platform/Prompter.h"
#include "platform/print/WitnessedPrint.h"

#include <QFile>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>
#include <QToolBar>

namespace orvane {

HelpWindow::HelpWindow(const QString& hotkeysFile, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), prompter_(prompter) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Orvane Help"));
    editor_ = new QTextEdit(this);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setReadOnly(true);
    editor_->setStyleSheet(QStringLiteral("background-color: #FFFF99;"));
    // The key list lines its columns up with spaces.
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(editor_);

    QFile file(hotkeysFile);
    if (file.open(QIODevice::ReadOnly))
        editor_->setPlainText(QString::fromLocal8Bit(file.readAll()));
    else
        editor_->setPlainText(QStringLiteral("Error loading data file..."));

    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* print = menu->addAction(QStringLiteral("&Print..."), this, &HelpWindow::printText);
    nameControl(*print, Control::HelpPrintItem);
    QAction* exit = menu->addAction(QStringLiteral("E&xit"), this, &QWidget::hide);
    exit->setObjectName(QStringLiteral("Exit1"));
    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->addAction(print);
    resize(600, 400);
}

void HelpWindow::printText() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (prompter_.runDialog(dialog) != QDialog::Accepted) return;
    printer.setDocName(windowTitle());
    if (!printWitnessed(printer, [&] { editor_->print(&printer); }).empty())
        prompter_.message("", "Error Printing...\r\n Please, Check Printer Installation",
                          PromptIcon::Stop, PromptButtons::Ok);
}

} // namespace orvane
