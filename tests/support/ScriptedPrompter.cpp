#include "support/ScriptedPrompter.h"

namespace orvane::testing {

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> result;
    for (const auto& a : asked_)
        result.push_back(a.text);
    return result;
}

PromptAnswer ScriptedPrompter::message(const std::string& caption, const std::string& text,
                                       PromptIcon icon, PromptButtons buttons) {
    asked_.push_back({caption, text, icon, buttons});
    if (!answers_.empty()) {
        PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel)
               ? PromptAnswer::Yes
               : PromptAnswer::Ok;
}

std::optional<std::string> ScriptedPrompter::openFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files_.empty()) return std::nullopt;
    auto file = files_.front();
    files_.pop_front();
    return file;
}

std::vector<std::string> ScriptedPrompter::openFiles(const FileDialogRequest& request) {
    if (!fileSets_.empty()) {
        fileRequests.push_back(request);
        auto files = std::move(fileSets_.front());
        fileSets_.pop_front();
        return files;
    }
    auto file = openFile(request);
    if (!file) return {};
    return {*file};
}

std::optional<std::string> ScriptedPrompter::saveFile(const FileDialogRequest& request) {
    return openFile(request);
}

int ScriptedPrompter::runDialog(QDialog& dialog) {
    ++dialogsRun_;
    if (dialogs_.empty()) return 0; // rejected, as if closed
    auto action = std::move(dialogs_.front());
    dialogs_.pop_front();
    return action(dialog);
}

} // namespace orvane::testing
