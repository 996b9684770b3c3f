#pragma once

#include "app/surface/NamedControls.h"
#include "modes/ModeSurface.h"

#include <QString>

#include <functional>
#include <iostream>

class QMainWindow;
class QPlainTextEdit;

namespace orvane {

// The main window as the link state, status handling and mode set-ups see
// it: every change goes by object name to the window's actions, buttons,
// menus, toolbars and panels (NamedControls). Status bar panels go through
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
    void setEnabled(const std::string& objectName, bool on) override;
    void setCaption(const std::string& objectName, const std::string& caption) override;
    void showCentredPanel(const std::string& objectName) override;
    void hidePanel(const std::string& objectName) override;
    bool isPanelVisible(const std::string& objectName) const override;
    void setTxPaneEditable(bool editable) override;

    // ModeSurface
    void setChecked(const std::string& objectName, bool checked) override;
    void setVisible(const std::string& objectName, bool visible) override;
    void setHint(const std::string& objectName, const std::string& hint) override;
    void setButtonImage(const std::string& objectName, int imageIndex) override;
    bool isMainWindowVisible() const override;
    void focusTransmitPane() override;
    void clearTransmitPane() override;
    void repaintReceivePane() override;
    void setToneBoxEntries(const std::vector<std::string>& entries) override;
    void movePrintSquelchMarkers(int x) override;
    void setPrintSquelchMarkersVisible(bool visible) override;

    // Shows a panel over the receive pane reRXData (overPaneOrigin), as the
    // panic reset shows PanicPanel; falls back to the window centre when
    // there is no receive pane.
    void showPanelOverReceivePane(const std::string& objectName);

    NamedControls& controls() { return controls_; }

private:
    QPlainTextEdit* transmitPane() const;
    static void showNow(QWidget& panel);

    QMainWindow& window_;
    PanelSetter setPanel_;
    NamedControls controls_;
};

} // namespace orvane
