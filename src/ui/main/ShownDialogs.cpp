#include "ui/main/ShownDialogs.h"

#include <QApplication>
#include <QDialog>

namespace orvane {

QWidgetList shownDialogs() {
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(window) && window->isVisible()) shown << window;
    return shown;
}

} // namespace orvane
