#pragma once

#include "modes/ModeSurface.h"
#include "protocol/link/ConsoleMenus.h"
#include "ui/surface/NamedControls.h"

#include <QString>

#include <functional>
#include <iostream>

class QMainWindow;
class QPlainTextEdit;

namespace orvane {

// The main window as the link state, status handling and mode set-ups see
// it: every change goes by control to the window's actions, buttons, menus,
// toolbars and panels (NamedControls). Status bar panels go through
// the setter the window provides.
class WidgetSurface : public ModeSurface {
public:
    using PanelSetter = std::function<void(int index, const QString& text)>;

    WidgetSurface(QMainWindow& window, PanelSetter setPanel, std::ostream& log = std::cerr);

    // Another window whose controls are named here (the amplitude tuning
    // window with the print-squelch markers).
    void addWindow(QWidget& window) { controls_.addRoot(window); }

    // ConsoleSurface
    void setPanel(int index, const std::string& text) override;
    void setEnabled(Control control, bool on) override;
    void setCaption(Control control, const std::string& caption) override;
    void showCentredPanel(Control control) override;
    void hidePanel(Control control) override;
    bool isPanelVisible(Control control) const override;
    void setTxPaneEditable(bool editable) override;
    void setChecked(Control control, bool checked) override;
    ConsoleMenus& menus() override { return menus_; }

    // ModeSurface
    void setVisible(Control control, bool visible) override;
    void setHint(Control control, const std::string& hint) override;
    void showStationCall(const std::string& call) override;
    void setButtonImage(Control control, int imageIndex) override;
    bool isMainWindowVisible() const override;
    void focusTransmitPane() override;
    void clearTransmitPane() override;
    void repaintReceivePane() override;
    void setToneBoxEntries(const std::vector<std::string>& entries) override;
    void movePrintSquelchMarkers(int x) override;
    void setPrintSquelchMarkersVisible(bool visible) override;

    // Shows a panel over the receive pane (overPaneOrigin), as the panic
    // reset shows its notice; falls back to the window centre when
    // there is no receive pane.
    void showPanelOverReceivePane(Control control);

    NamedControls& controls() { return controls_; }

private:
    QPlainTextEdit* transmitPane() const;
    static void showNow(QWidget& panel);

    QMainWindow& window_;
    PanelSetter setPanel_;
    NamedControls controls_;
    ConsoleMenus menus_{*this};
};

} // namespace orvane
