#include "platform/print/WitnessedPrint.h"

#include "platform/print/PrintJobWitness.h"

#include <QPrinter>

namespace orvane {

std::string printWitnessed(QPrinter& printer, const std::function<void()>& render) {
    // A file chosen in the dialog is Qt's own to write; its state tells.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        render();
        return printer.printerState() == QPrinter::Error ? "the file could not be written" : "";
    }
    PrintJobWitness witness(printer.printerName().toStdString());
    if (!witness.unavailable().empty()) return witness.unavailable();
    render();
    return witness.outcome(printer.docName().toStdString()).failure;
}

} // namespace orvane
