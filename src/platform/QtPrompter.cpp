#include "platform/QtPrompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace orvane {
namespace {

QMessageBox::Icon toQt(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Stop: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QString filterText(const FileDialogRequest& request) {
    QStringList filters;
    for (const auto& filter : request.filters)
        filters << QString::fromStdString(filter);
    return filters.join(QStringLiteral(";;"));
}

QString selectedFilter(const FileDialogRequest& request) {
    if (request.selectedFilter < 0 ||
        request.selectedFilter >= static_cast<int>(request.filters.size()))
        return {};
    return QString::fromStdString(request.filters[static_cast<size_t>(request.selectedFilter)]);
}

QString startPath(const FileDialogRequest& request) {
    QString folder = QString::fromStdString(request.startFolder);
    if (request.fileName.empty()) return folder;
    return folder.isEmpty() ? QString::fromStdString(request.fileName)
                            : folder + QLatin1Char('/') + QString::fromStdString(request.fileName);
}

} // namespace

PromptAnswer QtPrompter::message(const std::string& caption, const std::string& text,
                                 PromptIcon icon, PromptButtons buttons) {
    QMessageBox box(toQt(icon), QString::fromStdString(caption.empty() ? "Orvane" : caption),
                    QString::fromStdString(text), toQt(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: break;
    }
    return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
}

void QtPrompter::notice(const std::string& caption, const std::string& text, PromptIcon icon) {
    if (notice_) notice_->close();
    auto* box =
        new QMessageBox(toQt(icon), QString::fromStdString(caption.empty() ? "Orvane" : caption),
                        QString::fromStdString(text), QMessageBox::Ok, parent_);
    notice_ = box;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool QtPrompter::confirm(const std::string& caption, const std::string& text,
                         const std::string& act, const std::string& stay) {
    QMessageBox box(QMessageBox::Question,
                    QString::fromStdString(caption.empty() ? "Orvane" : caption),
                    QString::fromStdString(text), QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QString::fromStdString(act), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QString::fromStdString(stay), QMessageBox::RejectRole);
    // Return and Escape both keep things as they are.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> QtPrompter::openFile(const FileDialogRequest& request) {
    QString filter = selectedFilter(request);
    QString name = QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                startPath(request), filterText(request), &filter);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::vector<std::string> QtPrompter::openFiles(const FileDialogRequest& request) {
    QString filter = selectedFilter(request);
    QStringList names =
        QFileDialog::getOpenFileNames(parent_, QString::fromStdString(request.title),
                                      startPath(request), filterText(request), &filter);
    std::vector<std::string> result;
    for (const auto& name : names)
        result.push_back(name.toStdString());
    return result;
}

std::optional<std::string> QtPrompter::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title), startPath(request),
                       filterText(request));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectNameFilter(selectedFilter(request));
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.acceptLabel.empty())
        dialog.setLabelText(QFileDialog::Accept, QString::fromStdString(request.acceptLabel));
    if (!request.cancelLabel.empty())
        dialog.setLabelText(QFileDialog::Reject, QString::fromStdString(request.cancelLabel));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

int QtPrompter::runDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace orvane
