#pragma once

#include "controls/Control.h"

class QAction;
class QWidget;

namespace orvane {

class ConfigChanged;
class ModeSurface;
struct LinkState;
struct Settings;

// The View menu: tool bar, status bar, the three monitoring windows and the
// echo display, each kept in the settings.
class ViewMenu {
public:
    // The monitoring windows the menu shows and hides.
    struct MonitorWindowSet {
        QWidget& amplitudeTune;
        QWidget& frequencyTune;
        QWidget& quoralStatistics;
    };
    struct Environment {
        QWidget& mainWindow;
        Settings& settings;
        ConfigChanged& configChanged;
        ModeSurface& surface;
        const LinkState& link;
        MonitorWindowSet monitors;
    };

    explicit ViewMenu(Environment environment);

    // The menu's checks from the settings and the windows, after loading.
    void showChecks();

    void mnuViewToolBarClick();
    void mnuViewStatusBarClick();
    void mnuViewAmpTuneClick();
    void mnuViewFreqTuneClick();
    void mnuViewQuoralStatClick();
    void mnuViewEchoDataClick();

private:
    QAction* action(Control control) const;
    void toggleWindow(QWidget& window, Control item);

    Environment env_;
};

} // namespace orvane
