#pragma once

#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/SupervisionHooks.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// Records what the console would show, so tests compare it as data.
class FakeConsoleSurface final : public ConsoleSurface {
public:
    void setPanel(int index, const std::string& text) override { panels[index] = text; }
    void setEnabled(const std::string& objectName, bool on) override { enabled[objectName] = on; }
    void setCaption(const std::string& objectName, const std::string& caption) override {
        captions[objectName] = caption;
    }
    void showCentredPanel(const std::string& objectName) override {
        visible.insert(objectName);
        shown.push_back(objectName);
    }
    void hidePanel(const std::string& objectName) override { visible.erase(objectName); }
    bool isPanelVisible(const std::string& objectName) const override {
        return visible.count(objectName) != 0;
    }
    void setTxPaneEditable(bool editable) override { txPaneEditable = editable; }

    std::string panel(int index) const {
        const auto it = panels.find(index);
        return it == panels.end() ? std::string() : it->second;
    }

    std::map<int, std::string> panels;
    std::map<std::string, bool> enabled;
    std::map<std::string, std::string> captions;
    std::set<std::string> visible;
    std::vector<std::string> shown; // every showCentredPanel, in order
    std::optional<bool> txPaneEditable;
};

class FakeSupervisionHooks final : public SupervisionHooks {
public:
    void setDtr() override { ++dtrRaised; }
    void modemSilenceShutdown() override {
        ++shutdowns;
        if (onShutdown) onShutdown();
    }
    void hardwareResetRecovery() override { ++recoveries; }

    int dtrRaised = 0;
    int shutdowns = 0;
    int recoveries = 0;
    std::function<void()> onShutdown; // e.g. end the "process"
};

} // namespace orvane::testing
