#pragma once

#include <filesystem>

namespace orvane {

class DocumentViewer;
class Prompter;
class SessionLog;

// The operator's side of the session log: keeping it or not (the setting),
// and opening today's file.
class SessionLogCommands {
public:
    SessionLogCommands(SessionLog& log, Prompter& prompter, DocumentViewer& viewer,
                       std::filesystem::path baseDir);

    // The setting as stored; applied to the log.
    bool loadSetting();
    void mnuViewSessionLogClick(bool keep);
    void mnuViewTodaysLogClick();

private:
    SessionLog& log_;
    Prompter& prompter_;
    DocumentViewer& viewer_;
    std::filesystem::path baseDir_;
};

} // namespace orvane
