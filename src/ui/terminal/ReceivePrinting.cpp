#include "ui/terminal/ReceivePrinting.h"

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/print/WitnessedPrint.h"
#include "ui/terminal/ReceivePane.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTime>

#include <chrono>

namespace orvane {

ReceivePrinting::ReceivePrinting(Environment environment) : e_(environment) {}

ReceivePrinting::~ReceivePrinting() = default;

QString ReceivePrinting::documentTitle() const {
    const auto local = e_.clock.now() + std::chrono::minutes(e_.clock.localOffsetMinutes());
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(local.time_since_epoch());
    const QTime time = QDateTime::fromMSecsSinceEpoch(ms.count(), Qt::UTC).time();
    return QStringLiteral("Orvane RX Buffer ") + QStringLiteral(" ") +
           QLocale::system().toString(time, QLocale::LongFormat);
}

bool ReceivePrinting::printersInstalled() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) return true;
    e_.prompter.message("Error", "There are no printers installed.", PromptIcon::Stop,
                        PromptButtons::Ok);
    return false;
}

QPrinter& ReceivePrinting::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Without a system default the printer has no queue; the first one installed
    // is the operator's printer then.
    if (printer_->printerName().isEmpty())
        printer_->setPrinterName(QPrinterInfo::availablePrinterNames().value(0));
    return *printer_;
}

void ReceivePrinting::mnuFilesPrintContClick() {
    if (!printersInstalled()) return;
    QPrinter& current = printer();
    const QString title = documentTitle();
    current.setDocName(title);
    current.setPrintRange(QPrinter::AllPages); // the whole pane, whatever the dialog offered
    e_.pane.flushPending();

    const std::string failure = printWitnessed(current, [&] { e_.pane.print(&current); });
    if (!failure.empty())
        e_.prompter.message("Error",
                            "The RX buffer was not printed on \"" +
                                current.printerName().toStdString() + "\": " + failure,
                            PromptIcon::Stop, PromptButtons::Ok);
}

void ReceivePrinting::openPrintSetup() {
    if (!printersInstalled()) return;
    // The dialog chooses the printer and its settings; what to print is always
    // the whole pane, and printing to a file is not a printer.
    QPrintDialog dialog(&printer(), &e_.window);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    e_.prompter.runDialog(dialog);
}

} // namespace orvane
