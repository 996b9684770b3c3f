#pragma once

#include "controls/Control.h"
#include "transfer/fax/FaxPanelView.h"

class QFrame;
class QLabel;
class QProgressBar;
class QWidget;

namespace orvane {

class ConsoleSurface;

// FAXTransferPanel's contents, and the toolbar and status bar around it,
// as the FAX display changes them.
class FaxPanelWidgets final : public FaxPanelView {
public:
    // `panel`: the empty FAXTransferPanel frame of the main window.
    FaxPanelWidgets(QWidget& window, QFrame& panel, ConsoleSurface& surface);

    void centrePanel() override;
    void showPanel() override;
    void hidePanel() override;
    bool panelVisible() const override;
    std::string title() const override;
    void setTitle(const std::string& text) override;
    std::string status() const override;
    void setStatus(const std::string& text) override;
    void setRate(const std::string& text) override;
    void setTotal(const std::string& text) override;
    void setCount(const std::string& text) override;
    void showDirection(bool sending) override;
    std::uint32_t gaugeMax() const override;
    void setGaugeMax(std::uint32_t maximum) override;
    std::uint32_t gaugePosition() const override;
    void setGauge(std::uint32_t position) override;
    void setLinkStatus(const std::string& text) override;
    void applyBusySet() override;
    void releaseBusySet() override;

private:
    QLabel* label(Control control) const;

    QWidget& window_;
    QFrame& panel_;
    ConsoleSurface& surface_;
    QProgressBar* gauge_;
};

} // namespace orvane
