#pragma once

#include <QLabel>

namespace orvane {

// One panel of the status bar: as wide as its layout width when there is
// room, narrower when the window is not (a small screen, a large scale), so
// that the panels shrink together instead of pushing the clock off the bar;
// empty panels give way first.
// A panel that must stay whole (the clock) sets its minimum width.
class StatusPanelLabel final : public QLabel {
public:
    StatusPanelLabel(int layoutWidth, QWidget* parent)
        : QLabel(parent), layoutWidth_(layoutWidth) {}

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int layoutWidth_;
};

} // namespace orvane
