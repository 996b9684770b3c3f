#include "records/SessionLogCommands.h"

#include "platform/DocumentViewer.h"
#include "platform/Prompter.h"
#include "records/SessionLog.h"
#include "records/SessionLogSetting.h"

namespace orvane {

SessionLogCommands::SessionLogCommands(SessionLog& log, Prompter& prompter, DocumentViewer& viewer,
                                       std::filesystem::path baseDir)
    : log_(log), prompter_(prompter), viewer_(viewer), baseDir_(std::move(baseDir)) {}

bool SessionLogCommands::loadSetting() {
    const bool keep = readSessionLogEnabled(baseDir_);
    log_.setEnabled(keep);
    return keep;
}

void SessionLogCommands::mnuViewSessionLogClick(bool keep) {
    log_.setEnabled(keep);
    if (!writeSessionLogEnabled(baseDir_, keep))
        prompter_.message("Orvane",
                          "The session log setting could not be saved in the Config folder.",
                          PromptIcon::Exclamation, PromptButtons::Ok);
}

void SessionLogCommands::mnuViewTodaysLogClick() {
    log_.writeNow();
    const auto file = log_.todaysFile();
    if (!std::filesystem::exists(file)) {
        prompter_.message("Orvane",
                          "There is no session log for today yet (" + file.string() + ").",
                          PromptIcon::Information, PromptButtons::Ok);
        return;
    }
    if (!viewer_.show(file))
        prompter_.message("Orvane", "The session log " + file.string() + " could not be read.",
                          PromptIcon::Exclamation, PromptButtons::Ok);
}

} // namespace orvane
