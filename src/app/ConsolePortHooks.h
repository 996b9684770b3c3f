#pragma once

#include "app/PortSessionHooks.h"

#include <filesystem>

namespace orvane {

class ConfigChanged;
class MainWindow;
class Prompter;
struct LinkState;
struct Settings;

// The console's answers to the port session: the port dialog, the settings'
// modified flag, the link state, the main window and its queue-empty event.
class ConsolePortHooks final : public PortSessionHooks {
public:
    ConsolePortHooks(MainWindow& window, Settings& settings, ConfigChanged& configChanged,
                     Prompter& prompter, std::filesystem::path baseDir)
        : window_(window), settings_(settings), configChanged_(configChanged), prompter_(prompter),
          baseDir_(std::move(baseDir)) {}

    // The link state is built after the port; until then there is none to reset.
    void setLinkState(LinkState& link) { link_ = &link; }

    std::optional<int> choosePort() override;
    void portChanged() override;
    void resetLinkState() override;
    void hideMainWindow() override;
    void transmitQueueEmpty() override;
    bool isPsk31Mode() const override;

private:
    MainWindow& window_;
    Settings& settings_;
    ConfigChanged& configChanged_;
    Prompter& prompter_;
    std::filesystem::path baseDir_;
    LinkState* link_ = nullptr;
};

} // namespace orvane
