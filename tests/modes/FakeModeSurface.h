#pragma once

#include "controls/ControlNames.h"
#include "modes/ModeSurface.h"
#include "protocol/link/FakeConsole.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// Records what the set-ups do to the window, as state and as an ordered log,
// each control under its object name.
class FakeModeSurface final : public ModeSurface {
public:
    void setPanel(int index, const std::string& text) override {
        panels[index] = text;
        log.push_back("panel " + std::to_string(index) + " " + text);
    }
    void setEnabled(Control control, bool on) override { enabled[name(control)] = on; }
    void setCaption(Control control, const std::string& caption) override {
        captions[name(control)] = caption;
    }
    void showCentredPanel(Control control) override { shownPanels.insert(name(control)); }
    void hidePanel(Control control) override {
        shownPanels.erase(name(control));
        log.push_back("hide panel " + name(control));
    }
    bool isPanelVisible(Control control) const override {
        return shownPanels.count(name(control)) != 0;
    }
    void setTxPaneEditable(bool) override {}
    void setChecked(Control control, bool on) override { checked[name(control)] = on; }
    ConsoleMenus& menus() override { return *menus_; }

    void setVisible(Control control, bool on) override {
        visible[name(control)] = on;
        log.push_back((on ? "show " : "hide ") + name(control));
    }
    void setHint(Control control, const std::string& hint) override { hints[name(control)] = hint; }
    void setButtonImage(Control control, int index) override { images[name(control)] = index; }
    bool isMainWindowVisible() const override { return mainWindowVisible; }
    void focusTransmitPane() override { ++transmitPaneFocused; }
    void clearTransmitPane() override { ++transmitPaneCleared; }
    void repaintReceivePane() override { ++receivePaneRepainted; }
    void setToneBoxEntries(const std::vector<std::string>& entries) override { toneBox = entries; }
    void showStationCall(const std::string& call) override { stationCall = call; }
    void movePrintSquelchMarkers(int x) override { markerX = x; }
    void setPrintSquelchMarkersVisible(bool on) override { markersVisible = on; }

    static std::string name(Control control) { return std::string(objectName(control)); }

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
    std::string stationCall;
    std::optional<bool> markersVisible;
    int transmitPaneFocused = 0;
    int transmitPaneCleared = 0;
    int receivePaneRepainted = 0;
    std::vector<std::string> log;

private:
    FakeMenus menus_{*this};
};

} // namespace orvane::testing
