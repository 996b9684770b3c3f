#pragma once

#include "terminal/keys/KeyTable.h"

#include <QObject>

#include <string>

class QTextEdit;
class QWidget;

namespace orvane {

class Clock;
class ConfigChanged;
class PaneCommands;
class ReceiveSaving;
class SyncIdleEndOfLine;
struct LinkState;

// FormKeyDown: the main window sees every key before the focused control does
// (key preview) and runs what the key table says. A consumed key never
// reaches the control, nor a shortcut or menu accelerator; a key the table does
// not list goes on untouched.
class KeyboardCommands final : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget& mainWindow;
        QTextEdit& transmitPane;
        const LinkState& link;
        const Clock& clock;
        const std::string& ownCall;   // MYCALL
        const std::string& otherCall; // HISCALL
        PaneCommands& panes;
        ReceiveSaving& saving;
        ConfigChanged& configChanged;
        SyncIdleEndOfLine& endOfLine;
    };
    explicit KeyboardCommands(Parts parts);

    // Decides and runs one key; true when the key is consumed.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(KeyAction action);
    // Replaces the transmit pane's selection, wherever the focus is.
    void insert(const std::string& text);
    bool insideMainWindow(QObject* watched) const;

    Parts p_;
};

} // namespace orvane
