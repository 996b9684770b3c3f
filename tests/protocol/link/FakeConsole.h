#pragma once

#include "controls/ControlNames.h"
#include "protocol/link/ConsoleMenus.h"
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/SupervisionHooks.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvane::testing {

// The menus of a fake surface; a fake assigned anew starts with the menus as built.
class FakeMenus {
public:
    explicit FakeMenus(ConsoleSurface& surface)
        : surface_(surface), menus_(std::make_unique<ConsoleMenus>(surface)) {}
    FakeMenus(const FakeMenus&) = delete;
    FakeMenus& operator=(const FakeMenus&) {
        menus_ = std::make_unique<ConsoleMenus>(surface_);
        return *this;
    }
    ConsoleMenus& operator*() { return *menus_; }

private:
    ConsoleSurface& surface_;
    std::unique_ptr<ConsoleMenus> menus_;
};

// Records what the console would show, so tests compare it as data; each
// control under its object name.
class FakeConsoleSurface final : public ConsoleSurface {
public:
    void setPanel(int index, const std::string& text) override { panels[index] = text; }
    void setEnabled(Control control, bool on) override { enabled[name(control)] = on; }
    void setCaption(Control control, const std::string& caption) override {
        captions[name(control)] = caption;
    }
    void showCentredPanel(Control control) override {
        visible.insert(name(control));
        shown.push_back(name(control));
    }
    void hidePanel(Control control) override { visible.erase(name(control)); }
    bool isPanelVisible(Control control) const override {
        return visible.count(name(control)) != 0;
    }
    static std::string name(Control control) { return std::string(objectName(control)); }
    void setTxPaneEditable(bool editable) override { txPaneEditable = editable; }
    void setChecked(Control control, bool on) override { checked[name(control)] = on; }
    ConsoleMenus& menus() override { return *menus_; }

    std::string panel(int index) const {
        const auto it = panels.find(index);
        return it == panels.end() ? std::string() : it->second;
    }

    std::map<int, std::string> panels;
    std::map<std::string, bool> enabled;
    std::map<std::string, bool> checked;
    std::map<std::string, std::string> captions;
    std::set<std::string> visible;
    std::vector<std::string> shown; // every showCentredPanel, in order
    std::optional<bool> txPaneEditable;

private:
    FakeMenus menus_{*this};
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
