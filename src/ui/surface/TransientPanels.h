#pragma once

class QMainWindow;

namespace orvane {

// The panels and boxes laid over the main window, all hidden at start:
// DisconnectPanel, PanicPanel, HardwareResetPanel, OverBox, CWIDBox,
// FAXTransferPanel (an empty frame of its final size for the FAX display to
// fill) and pnlFWDownload with DownloadGauge, FileNameBox and Button20.
// OverBox keeps to the middle of the window as it is resized; the others are
// centred when they are shown.
void buildTransientPanels(QMainWindow& window);

} // namespace orvane
