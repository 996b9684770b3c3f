#pragma once

#include <string>

namespace orvane {

// Status bar panels by meaning.
namespace panel {
inline constexpr int Mode = 0;    // mode name
inline constexpr int Link = 1;    // standby and link texts
inline constexpr int Event = 2;   // protocol state, bias
inline constexpr int Station = 3; // ISS/IRS, traffic class
inline constexpr int Rate = 4;
inline constexpr int Format = 5; // polarity, Huffman
inline constexpr int Entry = 6;  // text-entry mode, capture count
} // namespace panel

// The part of the main window that link state and status handling change.
// Controls and panels are named by their object names (butQORConnect,
// mnuCode, DisconnectPanel, ...).
class ConsoleSurface {
public:
    virtual ~ConsoleSurface() = default;
    // Status bar panels 0 to 8.
    virtual void setPanel(int index, const std::string& text) = 0;
    // Buttons and menu items.
    virtual void setEnabled(const std::string& objectName, bool on) = 0;
    virtual void setCaption(const std::string& objectName, const std::string& caption) = 0;
    // Centres the panel on the main window, shows and repaints it.
    virtual void showCentredPanel(const std::string& objectName) = 0;
    virtual void hidePanel(const std::string& objectName) = 0;
    virtual bool isPanelVisible(const std::string& objectName) const = 0;
    // The transmit pane reTXData.
    virtual void setTxPaneEditable(bool editable) = 0;
};

} // namespace orvane
