#pragma once

#include "controls/ControlNames.h"

#include <QPointer>
#include <QString>

#include <array>
#include <iosfwd>
#include <vector>

class QAction;
class QWidget;

namespace orvane {

// A control of the main window found by its object name: a menu or toolbar
// item, or a widget (panel, box, toolbar, pane). A menu has both, its title
// action and the QMenu; the action is what enables and captions it.
struct NamedControl {
    QAction* action = nullptr;
    QWidget* widget = nullptr;
    explicit operator bool() const { return action || widget; }
};

// Finds the window's controls by their object names and changes them. A
// control that is not there (a panel not built in this window) is reported
// once on `log` and every change to it is a no-op.
class NamedControls {
public:
    explicit NamedControls(QWidget& root, std::ostream& log);

    // Another top-level window whose controls the console names too (the
    // tuning windows); searched after the main window, in the order added.
    void addRoot(QWidget& window);

    NamedControl find(Control control) const;

    void setEnabled(Control control, bool on);
    // Menu and toolbar items, buttons, labels and panels, group boxes, menus.
    void setCaption(Control control, const QString& caption);
    void setVisible(Control control, bool on);
    void setChecked(Control control, bool on);
    // The hint: tool tip and status tip.
    void setHint(Control control, const QString& hint);
    // An entry of the toolbar image list (ToolbarImages.h).
    void setImage(Control control, int index);

    QWidget& root() const { return root_; }

private:
    struct Cached {
        QPointer<QAction> action;
        QPointer<QWidget> widget;
    };
    NamedControl search(const QString& name) const;

    QWidget& root_;
    std::vector<QPointer<QWidget>> moreRoots_;
    std::ostream& log_;
    mutable std::array<Cached, kControlCount> cache_;
    mutable std::array<bool, kControlCount> reported_{};
};

} // namespace orvane
