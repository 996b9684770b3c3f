#pragma once

#include "session/ModemLine.h"

#include <QObject>

class QPlainTextEdit;

namespace orvane {

class FileTransfers;

// An idle console does not wake five times a second for nothing. When a
// queue-empty report finds the transmit pane empty and no file on its way,
// the transmit queue stops its idle reports; typing (any change to the pane),
// queued bytes and a text file's start bring them back. It hears the report
// after the line's other listeners, so it sees what they left.
class IdleReportGate final : public QObject, private QueueEmptyListener {
public:
    IdleReportGate(QPlainTextEdit& transmitPane, ModemLine& line, const FileTransfers& transfers);

private:
    void transmitQueueEmpty() override;

    QPlainTextEdit& pane_;
    ModemLine& line_;
    const FileTransfers& transfers_;
};

} // namespace orvane
