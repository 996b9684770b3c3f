#pragma once

#include "controls/Control.h"
#include "platform/StatusPanel.h"

#include <QEvent>
#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QSplitter;
class QPlainTextEdit;

namespace orvane {

// Menus, toolbars, the receive and transmit panes and the status bar.
// It shows state and forwards events; the session and the operations decide.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kPanelCount = panel::Count;

    explicit MainWindow(QWidget* receivePane, QWidget* parent = nullptr);

    QAction* action(Control control) const;
    // Runs `handler` whenever the menu item or button is triggered.
    void onTriggered(Control control, std::function<void()> handler);
    QWidget* receivePane() const { return receivePane_; }
    QPlainTextEdit* transmitPane() const { return transmitPane_; }
    QSplitter* splitter() const { return splitter_; }
    QStatusBar* statusPanels() const;

    // The transmit pane's height as the settings keep it: what was loaded,
    // until the operator drags the splitter.
    void setTransmitHeight(int height);
    int transmitHeight() const;

    void setPanel(int index, const QString& text);
    QString panel(int index) const;

    // Asked when the window is to close; false keeps it open for now.
    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildStatusBar();
    QWidget* receivePane_;
    QPlainTextEdit* transmitPane_;
    QSplitter* splitter_;
    std::array<QLabel*, kPanelCount> panels_{};
    std::function<bool()> closeHandler_;
    int transmitHeight_ = 52;
    bool splitterDragged_ = false;
};

} // namespace orvane
