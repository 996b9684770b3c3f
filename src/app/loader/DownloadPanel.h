#pragma once

#include "app/loader/LoaderPort.h"

#include <QFrame>

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;

namespace orvane {

// pnlFWDownload on the main window: "Firmware Download", the image's name in
// FileNameBox, the gauge DownloadGauge and the button "Abort" (Button20).
class DownloadPanel final : public QFrame, public LoaderView {
    Q_OBJECT
public:
    explicit DownloadPanel(QMainWindow& mainWindow);

    void Button20Click() { abort_ = true; }

    // LoaderView
    void showPanel(const std::string& fileName) override;
    void setGauge(std::int64_t position, std::int64_t maximum) override;
    void setBusy(bool busy) override;
    bool abortRequested() const override { return abort_; }
    void clearAbort() override { abort_ = false; }
    void showResetting() override;
    void hidePanel() override;

private:
    void setNoticeColour(const QColor& colour);

    QMainWindow& mainWindow_;
    QProgressBar* gauge_;
    QLabel* fileName_;
    QPushButton* abortButton_;
    bool abort_ = false;
    bool busy_ = false;
};

} // namespace orvane
