#pragma once

#include "protocol/loader/LoaderPort.h"

#include <QObject>

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QWidget;

namespace orvane {

// Drives pnlFWDownload, the main window's panel with "Firmware Download", the
// image's name in FileNameBox, the gauge DownloadGauge and the button "Abort"
// (Button20).
class DownloadPanel final : public QObject, public LoaderView {
    Q_OBJECT
public:
    explicit DownloadPanel(QMainWindow& mainWindow);

    // The download looks at the flag after each chunk it sends.
    void requestAbort() { abort_ = true; }
    QWidget& widget() const { return *panel_; }

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
    QWidget* panel_;
    QProgressBar* gauge_;
    QLabel* fileName_;
    QPushButton* abortButton_;
    bool abort_ = false;
    bool busy_ = false;
};

} // namespace orvane
