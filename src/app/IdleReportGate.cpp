#include "app/IdleReportGate.h"

#include "app/FileTransfers.h"
#include "app/MainWindow.h"
#include "app/PortSession.h"

#include <QTextDocument>
#include <QTextEdit>

namespace orvane {

IdleReportGate::IdleReportGate(MainWindow& window, QTextEdit& transmitPane, PortSession& port,
                               const FileTransfers& transfers)
    : QObject(&window), pane_(transmitPane), port_(port), transfers_(transfers) {
    connect(&window, &MainWindow::txEmpty, this, &IdleReportGate::queueEmpty);
    connect(pane_.document(), &QTextDocument::contentsChanged, this,
            [this] { port_.wantIdleReports(); });
}

void IdleReportGate::queueEmpty() {
    if (pane_.document()->isEmpty() && !transfers_.anyActive()) port_.holdIdleReports();
}

} // namespace orvane
