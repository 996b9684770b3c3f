#include "app/surface/NamedControls.h"

#include "app/surface/ToolbarImages.h"

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

NamedControl NamedControls::find(std::string_view name) const {
    std::string key(name);
    if (auto hit = cache_.find(key); hit != cache_.end()) {
        NamedControl control{hit->second.action.data(), hit->second.widget.data()};
        if (control) return control;
        cache_.erase(hit);
    }
    NamedControl control =
        search(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (control) {
        cache_.emplace(std::move(key), Cached{control.action, control.widget});
    } else if (reported_.insert(key).second) {
        log_ << "orvane: no control named '" << key << "' in the main window\n";
    }
    return control;
}

void NamedControls::setEnabled(std::string_view name, bool on) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setEnabled(on);
    } else if (control.widget) {
        control.widget->setEnabled(on);
    }
}

void NamedControls::setCaption(std::string_view name, const QString& caption) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setText(caption);
        return;
    }
    QWidget* widget = control.widget;
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

void NamedControls::setVisible(std::string_view name, bool on) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setVisible(on);
    } else if (control.widget) {
        control.widget->setVisible(on);
        // Panels lie over the panes; a shown one must not stay beneath them.
        if (on) control.widget->raise();
    }
}

void NamedControls::setChecked(std::string_view name, bool on) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setCheckable(true);
        control.action->setChecked(on);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
        button->setCheckable(true);
        button->setChecked(on);
    }
}

void NamedControls::setHint(std::string_view name, const QString& hint) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setToolTip(hint);
        control.action->setStatusTip(hint);
    } else if (control.widget) {
        control.widget->setToolTip(hint);
        control.widget->setStatusTip(hint);
    }
}

void NamedControls::setImage(std::string_view name, int index) {
    NamedControl control = find(name);
    if (control.action) {
        control.action->setIcon(toolbarImage(index));
        control.action->setProperty("imageIndex", index);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
        button->setIcon(toolbarImage(index));
        button->setProperty("imageIndex", index);
    }
}

} // namespace orvane
