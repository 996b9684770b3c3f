#pragma once

#include "modes/ModeSurface.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// Records what the set-ups do to the window, as state and as an ordered log.
class FakeModeSurface final : public ModeSurface {
public:
    void setPanel(int index, const std::string& text) override {
        panels[index] = text;
        log.push_back("panel " + std::to_string(index) + " " + text);
    }
    void setEnabled(const std::string& name, bool on) override { enabled[name] = on; }
    void setCaption(const std::string& name, const std::string& caption) override {
        captions[name] = caption;
    }
    void showCentredPanel(const std::string& name) override { shownPanels.insert(name); }
    void hidePanel(const std::string& name) override {
        shownPanels.erase(name);
        log.push_back("hide panel " + name);
    }
    bool isPanelVisible(const std::string& name) const override {
        return shownPanels.count(name) != 0;
    }
    void setTxPaneEditable(bool) override {}

    void setChecked(const std::string& name, bool on) override { checked[name] = on; }
    void setVisible(const std::string& name, bool on) override {
        visible[name] = on;
        log.push_back((on ? "show " : "hide ") + name);
    }
    void setHint(const std::string& name, const std::string& hint) override { hints[name] = hint; }
    void setButtonImage(const std::string& name, int index) override { images[name] = index; }
    bool isMainWindowVisible() const override { return mainWindowVisible; }
    void focusTransmitPane() override { ++transmitPaneFocused; }
    void clearTransmitPane() override { ++transmitPaneCleared; }
    void repaintReceivePane() override { ++receivePaneRepainted; }
    void setToneBoxEntries(const std::vector<std::string>& entries) override { toneBox = entries; }
    void movePrintSquelchMarkers(int x) override { markerX = x; }
    void setPrintSquelchMarkersVisible(bool on) override { markersVisible = on; }

    std::string panel(int index) const {
        const auto it = panels.find(index);
        return it == panels.end() ? "<unset>" : it->second;
    }

    bool mainWindowVisible = false;
    std::map<int, std::string> panels;
    std::map<std::string, bool> enabled;
    std::map<std::string, std::string> captions;
    std::map<std::string, bool> checked;
    std::map<std::string, bool> visible;
    std::map<std::string, std::string> hints;
    std::map<std::string, int> images;
    std::set<std::string> shownPanels;
    std::vector<std::string> toneBox{"Test OFF", "a", "b", "c"};
    std::optional<int> markerX;
    std::optional<bool> markersVisible;
    int transmitPaneFocused = 0;
    int transmitPaneCleared = 0;
    int receivePaneRepainted = 0;
    std::vector<std::string> log;
};

} // namespace orvane::testing
