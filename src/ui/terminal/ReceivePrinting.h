#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace orvane {

class Clock;
class Prompter;
class ReceivePane;

// "&Print RX Buffer" and "Print Se&tup": the receive pane printed as one job
// on the current printer, and the printer dialog that chooses it. The printer
// chosen is kept for the next print, as the platform's current printer is.
// A print that the print system does not take is reported, naming the printer
// and the reason; a good print says nothing.
class ReceivePrinting {
public:
    struct Environment {
        ReceivePane& pane;
        QWidget& window; // parent of the printer dialog
        Prompter& prompter;
        Clock& clock;
    };
    explicit ReceivePrinting(Environment environment);
    ~ReceivePrinting();
    ReceivePrinting(const ReceivePrinting&) = delete;
    ReceivePrinting& operator=(const ReceivePrinting&) = delete;

    void mnuFilesPrintContClick();
    void openPrintSetup();

    // "Orvane RX Buffer " + " " + the local time in the platform's long format.
    QString documentTitle() const;

private:
    // Says so when the system has no printer at all.
    bool printersInstalled();
    // The current printer, made when first needed so that it starts on the
    // system's default printer as it is then.
    QPrinter& printer();

    Environment e_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace orvane
