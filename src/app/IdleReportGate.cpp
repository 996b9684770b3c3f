#include "app/IdleReportGate.h"

#include "app/FileTransfers.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace orvane {

IdleReportGate::IdleReportGate(QPlainTextEdit& transmitPane, ModemLine& line,
                               const FileTransfers& transfers)
    : pane_(transmitPane), line_(line), transfers_(transfers) {
    line_.addEmptyListener(*this);
    connect(pane_.document(), &QTextDocument::contentsChanged, this,
            [this] { line_.wantIdleReports(); });
}

void IdleReportGate::transmitQueueEmpty() {
    if (pane_.document()->isEmpty() && !transfers_.anyActive()) line_.holdIdleReports();
}

} // namespace orvane
