#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace orvane {

// Lets the operator drag a panel laid over the main window by any point of
// it that does not take the mouse itself: pressed with the left button, the
// panel follows the pointer until the button is let go.
class PanelDrag : public QObject {
public:
    // Owned by the panel.
    static void enableOn(QWidget& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PanelDrag(QWidget& panel);

    QWidget& panel_;
    QPoint grip_; // the pointer's place on the panel when pressed
    bool dragging_ = false;
};

} // namespace orvane
