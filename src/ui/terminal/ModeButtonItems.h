#pragma once

#include "controls/ToolbarButtons.h"

#include <QObject>

#include <utility>
#include <vector>

class QAction;
class QMainWindow;

namespace orvane {

struct LinkState;

// Menu items that press a button of the current mode's toolbar (Connect,
// Disconnect, Call CQ): the button's own operation, offered while the button
// is, and within reach when the tool bar is hidden.
class ModeButtonItems final : public QObject {
    Q_OBJECT
public:
    ModeButtonItems(QMainWindow& window, const LinkState& link);

    void add(Control item, ButtonRole role);

private:
    QAction* currentButton(ButtonRole role) const;
    void refresh();

    QMainWindow& window_;
    const LinkState& link_;
    std::vector<std::pair<QAction*, ButtonRole>> items_;
};

} // namespace orvane
