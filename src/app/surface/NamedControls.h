#pragma once

#include <QPointer>
#include <QString>

#include <iosfwd>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QAction;
class QWidget;

namespace orvane {

// A control of the main window found by its objectName: a menu or toolbar
// item, or a widget (panel, box, toolbar, pane). A menu has both, its title
// action and the QMenu; the action is what enables and captions it.
struct NamedControl {
    QAction* action = nullptr;
    QWidget* widget = nullptr;
    explicit operator bool() const { return action || widget; }
};

// Finds the window's controls by name and changes them. A name that matches
// nothing is a typo somewhere in the console: it is reported once on `log`
// and every change to it is a no-op.
class NamedControls {
public:
    explicit NamedControls(QWidget& root, std::ostream& log);

    // Another top-level window whose controls the console names too (the
    // tuning windows); searched after the main window, in the order added.
    void addRoot(QWidget& window);

    NamedControl find(std::string_view name) const;

    void setEnabled(std::string_view name, bool on);
    // Menu and toolbar items, buttons, labels and panels, group boxes, menus.
    void setCaption(std::string_view name, const QString& caption);
    void setVisible(std::string_view name, bool on);
    void setChecked(std::string_view name, bool on);
    // The hint: tool tip and status tip.
    void setHint(std::string_view name, const QString& hint);
    // An entry of the toolbar image list (ToolbarImages.h).
    void setImage(std::string_view name, int index);

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
    mutable std::unordered_map<std::string, Cached> cache_;
    mutable std::set<std::string, std::less<>> reported_;
};

} // namespace orvane
