#include "platform/QtDocumentViewer.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orvane {

bool QtDocumentViewer::show(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

} // namespace orvane
