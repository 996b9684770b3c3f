#include "terminal/ReceiveSaving.h"

#include "platform/Prompter.h"
#include "platform/StatusPanel.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "terminal/ReceiveCapture.h"

#include <filesystem>

namespace orvane {

namespace {
FileDialogRequest saveRxRequest() {
    FileDialogRequest request;
    request.title = "Save RX Data";
    request.filters = {"Text files (*.txt)", "RX Data files (*.rxd)", "All files (*)"};
    request.mustExist = false;
    request.confirmOverwrite = true;
    return request;
}
} // namespace

void ReceiveSaving::mnuFilesSaveRXClick() {
    const auto chosen = p_.prompter.saveFile(saveRxRequest());
    if (!chosen) return;
    std::filesystem::path file(*chosen);
    if (!file.has_extension() && !std::filesystem::exists(file)) file += ".txt";
    std::string error;
    if (!p_.capture.start(file, error))
        p_.prompter.message("Orvane", "Unable to open file.", PromptIcon::None, PromptButtons::Ok);
    p_.surface.menus().note(MenuEvent::ReceiveSaveStarted);
    p_.surface.setPanel(panel::Entry, p_.capture.panelText());
}

void ReceiveSaving::mnuFilesStopSaveSendClick() {
    for (FileActivity* activity : activities_)
        activity->stopFileActivity();
    p_.capture.stop();
    p_.endOfLine.queueEndOfLineIfSyncIdle();
    p_.surface.setTxPaneEditable(true);
    p_.surface.menus().note(filesStopped(p_.link.operatingMode));
}

void ReceiveSaving::captureClosed() {
    p_.capture.stop();
    p_.surface.menus().note(MenuEvent::ReceiveSaveEnded);
}

void ReceiveSaving::captureChar(std::uint8_t c) {
    if (!p_.capture.isOn()) return;
    std::string reason;
    if (!p_.capture.CaptureChar(c) && p_.capture.takeFailureToReport(reason)) {
        reportWriteFailure(reason);
        return;
    }
    p_.surface.setPanel(panel::Entry, p_.capture.panelText());
}

void ReceiveSaving::reportWriteFailure(const std::string& reason) {
    // The capture is closed already; the count shown stays the characters on disk.
    p_.surface.setPanel(panel::Entry, p_.capture.panelText() + " (stopped)");
    p_.surface.menus().note(MenuEvent::ReceiveSaveEnded);
    p_.prompter.notice(
        "Orvane",
        "Saving received text to " + p_.capture.path().string() + " stopped: " + reason + ".\n" +
            std::to_string(p_.capture.RxCaptureCount()) + " characters were written.",
        PromptIcon::Exclamation);
}

} // namespace orvane
