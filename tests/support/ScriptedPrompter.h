#pragma once

#include "platform/ProcessExit.h"
#include "platform/Prompter.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::testing {

// Answers questions from a script and records every one asked. A question with
// no scripted answer gets the first button (OK or Yes) and is still recorded.
class ScriptedPrompter final : public Prompter {
public:
    struct Asked {
        std::string caption;
        std::string text;
        PromptIcon icon;
        PromptButtons buttons;
    };
    using DialogAction = std::function<int(QDialog&)>;

    void answerNext(PromptAnswer answer) { answers_.push_back(answer); }
    void chooseNextFile(std::optional<std::string> file) { files_.push_back(std::move(file)); }
    // The next multiple-choice open dialog picks these (several at once).
    void chooseNextFiles(std::vector<std::string> files) { fileSets_.push_back(std::move(files)); }
    void onNextDialog(DialogAction action) { dialogs_.push_back(std::move(action)); }

    const std::vector<Asked>& asked() const { return asked_; }
    std::vector<std::string> texts() const;
    int dialogsRun() const { return dialogsRun_; }

    PromptAnswer message(const std::string& caption, const std::string& text, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;

    std::vector<FileDialogRequest> fileRequests;

private:
    std::deque<PromptAnswer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::vector<std::string>> fileSets_;
    std::deque<DialogAction> dialogs_;
    std::vector<Asked> asked_;
    int dialogsRun_ = 0;
};

// Ending the process in a test: thrown, caught by the test.
struct ProcessEnded : std::runtime_error {
    explicit ProcessEnded(int c) : std::runtime_error("process ended"), code(c) {}
    int code;
};

class ThrowingProcessExit final : public ProcessExit {
public:
    [[noreturn]] void exitNow(int code) override {
        ended = true;
        throw ProcessEnded(code);
    }
    // Set once an end was asked for, even where a sequence caught the throw.
    bool ended = false;
};

} // namespace orvane::testing
