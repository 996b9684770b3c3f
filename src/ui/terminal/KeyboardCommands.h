#pragma once

#include <QObject>

class QWidget;

namespace orvane {

class KeyActionTarget;
struct LinkState;

// The main window sees every key before the focused control does
// (key preview) and runs what the key table says. A consumed key never
// reaches the control, nor a shortcut or menu accelerator; a key the table does
// not list goes on untouched.
class KeyboardCommands final : public QObject {
    Q_OBJECT
public:
    KeyboardCommands(QWidget& mainWindow, const LinkState& link, KeyActionTarget& target);

    // Decides and runs one key; true when the key is consumed.
    bool runKey(int key, Qt::KeyboardModifiers modifiers);
    // Whether the key would run an operation now: its condition holds.
    bool wouldRun(int key, Qt::KeyboardModifiers modifiers) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool insideMainWindow(QObject* watched) const;

    QWidget& mainWindow_;
    const LinkState& link_;
    KeyActionTarget& target_;
};

} // namespace orvane
