#include "ui/surface/NamedControls.h"

#include "platform/ControlObjects.h"
#include "ui/surface/ToolbarImages.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <ostream>

namespace orvane {

NamedControls::NamedControls(QWidget& root, std::ostream& log) : root_(root), log_(log) {}

void NamedControls::addRoot(QWidget& window) {
    moreRoots_.emplace_back(&window);
}

namespace {

NamedControl searchIn(QWidget& root, const QString& name) {
    NamedControl control;
    control.action = root.findChild<QAction*>(name);
    control.widget = root.objectName() == name ? &root : root.findChild<QWidget*>(name);
    // A menu's title action is a separate object from the menu; where both
    // carry the name, the widget is the QMenu itself.
    if (control.action && control.widget && !qobject_cast<QMenu*>(control.widget)) {
        control.widget = nullptr;
    }
    return control;
}

} // namespace

NamedControl NamedControls::search(const QString& name) const {
    NamedControl control = searchIn(root_, name);
    for (const QPointer<QWidget>& root : moreRoots_) {
        if (control) break;
        if (root) control = searchIn(*root, name);
    }
    return control;
}

NamedControl NamedControls::find(Control control) const {
    const auto index = static_cast<std::size_t>(control);
    Cached& cached = cache_[index];
    if (NamedControl hit{cached.action.data(), cached.widget.data()}) return hit;
    NamedControl found = search(qtObjectName(control));
    if (found) {
        cached = Cached{found.action, found.widget};
    } else if (!reported_[index]) {
        reported_[index] = true;
        log_ << "orvane: no control named '" << objectName(control) << "' in the main window\n";
    }
    return found;
}

void NamedControls::setEnabled(Control control, bool on) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setEnabled(on);
    } else if (found.widget) {
        found.widget->setEnabled(on);
    }
}

void NamedControls::setCaption(Control control, const QString& caption) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setText(caption);
        return;
    }
    QWidget* widget = found.widget;
    if (!widget) return;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
        menu->setTitle(caption);
    } else {
        widget->setWindowTitle(caption);
    }
}

void NamedControls::setVisible(Control control, bool on) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setVisible(on);
    } else if (found.widget) {
        found.widget->setVisible(on);
        // Panels lie over the panes; a shown one must not stay beneath them.
        if (on) found.widget->raise();
    }
}

void NamedControls::setChecked(Control control, bool on) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setCheckable(true);
        found.action->setChecked(on);
    } else if (auto* button = qobject_cast<QAbstractButton*>(found.widget)) {
        button->setCheckable(true);
        button->setChecked(on);
    }
}

void NamedControls::setHint(Control control, const QString& hint) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setToolTip(hint);
        found.action->setStatusTip(hint);
    } else if (found.widget) {
        found.widget->setToolTip(hint);
        found.widget->setStatusTip(hint);
    }
}

void NamedControls::setImage(Control control, int index) {
    NamedControl found = find(control);
    if (found.action) {
        found.action->setIcon(toolbarImage(index));
        found.action->setProperty("imageIndex", index);
    } else if (auto* button = qobject_cast<QAbstractButton*>(found.widget)) {
        button->setIcon(toolbarImage(index));
        button->setProperty("imageIndex", index);
    }
}

} // namespace orvane
