#pragma once

#include <QObject>

class QTextEdit;

namespace orvane {

class FileTransfers;
class MainWindow;
class PortSession;

// An idle console does not wake five times a second for nothing. When a
// queue-empty report finds the transmit pane empty and no file on its way,
// the transmit queue stops its idle reports; typing (any change to the pane),
// queued bytes and a text file's start bring them back. Connected after the
// report's other handlers, so it sees what they left.
class IdleReportGate final : public QObject {
public:
    IdleReportGate(MainWindow& window, QTextEdit& transmitPane, PortSession& port,
                   const FileTransfers& transfers);

private:
    void queueEmpty();

    QTextEdit& pane_;
    PortSession& port_;
    const FileTransfers& transfers_;
};

} // namespace orvane
