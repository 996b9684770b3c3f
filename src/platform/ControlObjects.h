#pragma once

#include "controls/ControlNames.h"

#include <QObject>
#include <QString>

namespace orvane {

// The Qt side of the control table: widgets and actions carry the control's
// object name, and are found by it.

inline QString qtObjectName(Control control) {
    const std::string_view name = objectName(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

inline void nameControl(QObject& object, Control control) {
    object.setObjectName(qtObjectName(control));
}

// The child of `root` (at any depth) that is `control`, or nullptr.
template <class T> T* findControl(const QObject& root, Control control) {
    return root.findChild<T*>(qtObjectName(control));
}

} // namespace orvane
