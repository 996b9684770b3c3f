#include "records/DiagnosticTraceSave.h"

#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "records/UtcText.h"
#include "records/WireTraceFile.h"

#include <algorithm>

namespace orvane {

DiagnosticTraceSave::DiagnosticTraceSave(const WireTraceRing& ring, Prompter& prompter,
                                         const Clock& clock, std::filesystem::path folder)
    : ring_(ring), prompter_(prompter), clock_(clock), folder_(std::move(folder)) {}

void DiagnosticTraceSave::mnuHelpSaveTraceClick() {
    // Taken now, so the file holds what led up to the operator's choice.
    const auto records = ring_.snapshot();
    std::string stamp = utcSecondsText(clock_.now());
    std::replace(stamp.begin(), stamp.end(), ' ', '-');
    std::erase(stamp, ':');
    FileDialogRequest request;
    request.title = "Save diagnostic trace";
    request.startFolder = folder_.string();
    request.fileName = "orvane-trace-" + stamp + ".trace";
    request.filters = {"Wire traces (*.trace)", "All files (*)"};
    request.mustExist = false;
    const auto chosen = prompter_.saveFile(request);
    if (!chosen) return;
    const std::string error = saveWireTrace(*chosen, records);
    if (!error.empty()) prompter_.message("Orvane", error, PromptIcon::Stop, PromptButtons::Ok);
}

} // namespace orvane
