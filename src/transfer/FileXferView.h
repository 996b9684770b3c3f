#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// What FileXferPanel shows when a file starts.
struct XferPanelStart {
    std::string title; // XferLabel
    std::string fileName;
    std::string fileSize;
    std::string compressedSize;
    std::string method;
    std::int64_t bytes = 0;    // XferBytes
    std::int64_t gaugeMax = 0; // the compressed size
    std::int64_t gaugePos = 0;
};

// FileXferPanel as the transfers drive it.
class FileXferView {
public:
    virtual ~FileXferView() = default;
    // Fills the panel (elapsed time and rate from a fresh start), centres,
    // shows and repaints it.
    virtual void showTransfer(const XferPanelStart& start) = 0;
    virtual void setXferBytes(const std::string& text) = 0;
    virtual void setXferTime(const std::string& text) = 0;
    virtual void setXferTput(const std::string& text) = 0;
    virtual void setXferGauge(std::int64_t position) = 0;
    virtual void setXferGaugeMax(std::int64_t maximum) = 0;
    // CompleteFail: "", "Complete!" or "Failed!".
    virtual void setResult(const std::string& text) = 0;
    // Why the file failed, under the result; empty hides it.
    virtual void setReason(const std::string& text) = 0;
    // butXferAbort's caption; `makeDefault` makes it the default button.
    virtual void setButton(const std::string& caption, bool makeDefault) = 0;
    virtual void hidePanel() = 0;
    virtual bool panelVisible() const = 0;
    // The transmit pane takes the keyboard focus.
    virtual void focusTransmitPane() = 0;
};

} // namespace orvane
