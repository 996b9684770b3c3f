#pragma once

#include <optional>
#include <string>
#include <vector>

class QDialog;

namespace orvane {

enum class PromptIcon { None, Stop, Question, Exclamation, Information };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string startFolder;
    std::string fileName;
    // Filters as the operator sees them: "Text files (*.txt)", "All files (*)".
    std::vector<std::string> filters;
    int selectedFilter = 0;
    bool mustExist = true;        // open dialogs
    bool confirmOverwrite = true; // save dialogs
    // The buttons' words where the usual "Save" and "Cancel" would not say
    // what they do.
    std::string acceptLabel;
    std::string cancelLabel;
};

// Every question, warning and file choice goes through here, so that tests can
// answer them without a modal dialog ever blocking.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer message(const std::string& caption, const std::string& text,
                                 PromptIcon icon, PromptButtons buttons) = 0;
    // A message with an OK button that does not wait: it stays up for the
    // operator to close while the console goes on. Where a prompter cannot
    // leave a box open, it asks as message() does.
    virtual void notice(const std::string& caption, const std::string& text, PromptIcon icon) {
        message(caption, text, icon, PromptButtons::Ok);
    }
    // A question with two named answers: `act` and `stay`, the safe one, which
    // closing the box answers too. True for `act`. Where a prompter cannot name
    // its buttons, it asks OK or Cancel.
    virtual bool confirm(const std::string& caption, const std::string& text,
                         [[maybe_unused]] const std::string& act,
                         [[maybe_unused]] const std::string& stay) {
        return message(caption, text, PromptIcon::Question, PromptButtons::OkCancel) ==
               PromptAnswer::Ok;
    }
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // Shows one of our own dialogs modally; returns QDialog's result code
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int runDialog(QDialog& dialog) = 0;
};

} // namespace orvane
