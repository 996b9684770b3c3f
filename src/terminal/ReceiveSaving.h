#pragma once

#include "platform/FileActivity.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

class ConsoleSurface;
class Prompter;
class ReceiveCapture;
struct LinkState;

// "S&ave RX to disk..." and "S&top disk save/send": the save dialog, the
// capture of every shown character with its count in the status bar, and the
// stop that ends every file activity of the console.
class ReceiveSaving {
public:
    struct Parts {
        ReceiveCapture& capture;
        Prompter& prompter;
        ConsoleSurface& surface;
        const LinkState& link;
        SyncIdleEndOfLine& endOfLine;
    };
    explicit ReceiveSaving(Parts parts) : p_(parts) {}

    // Text send, binary transfer and statistics log register here.
    void addFileActivity(FileActivity& activity) { activities_.push_back(&activity); }

    void mnuFilesSaveRXClick();
    void mnuFilesStopSaveSendClick();
    // A failed link closed the capture: the menu offers a new save, as after
    // the capture's own Stop.
    void captureClosed();
    // A character shown in the receive pane, written while a capture runs.
    void captureChar(std::uint8_t c);

private:
    void reportWriteFailure(const std::string& reason);

    Parts p_;
    std::vector<FileActivity*> activities_;
};

} // namespace orvane
