#pragma once

#include "platform/Prompter.h"

#include <QMessageBox>
#include <QPointer>

class QWidget;

namespace orvane {

// Real message boxes and file dialogs, titled with the program title "Orvane"
// where the caller gives no caption.
class QtPrompter final : public Prompter {
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    PromptAnswer message(const std::string& caption, const std::string& text, PromptIcon icon,
                         PromptButtons buttons) override;
    void notice(const std::string& caption, const std::string& text, PromptIcon icon) override;
    bool confirm(const std::string& caption, const std::string& text, const std::string& act,
                 const std::string& stay) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;

private:
    QWidget* parent_ = nullptr;
    // The notice on screen: a newer one takes its place.
    QPointer<QMessageBox> notice_;
};

} // namespace orvane
