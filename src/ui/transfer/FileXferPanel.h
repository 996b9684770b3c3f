#pragma once

#include "controls/Control.h"
#include "transfer/FileXferView.h"

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvane {

// FileXferPanel: the binary transfer's progress panel over the main window,
// the same on the sending and the receiving console.
class FileXferPanel final : public QFrame, public FileXferView {
    Q_OBJECT
public:
    explicit FileXferPanel(QWidget& window);

    void showTransfer(const XferPanelStart& start) override;
    void setXferBytes(const std::string& text) override;
    void setXferTime(const std::string& text) override;
    void setXferTput(const std::string& text) override;
    void setXferGauge(std::int64_t position) override;
    void setXferGaugeMax(std::int64_t maximum) override;
    void setResult(const std::string& text) override;
    void setReason(const std::string& text) override;
    void setButton(const std::string& caption, bool makeDefault) override;
    void hidePanel() override { hide(); }
    bool panelVisible() const override { return isVisible(); }
    void focusTransmitPane() override;

signals:
    // butXferAbort pressed.
    void butXferAbortClick();

private:
    QLabel* value(Control control);
    void fitContents();

    QWidget& window_;
    QLabel* title_;
    QProgressBar* gauge_;
    QLabel* result_;
    QLabel* reason_;
    QPushButton* button_;
};

} // namespace orvane
