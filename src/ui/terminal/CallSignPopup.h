#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QMenu;
class QPlainTextEdit;

namespace orvane {

// The right-click menu of the receive pane: with text selected, it offers to
// add the selection to the call list or to call it. Both items run the same
// handler with the selected text.
class CallSignPopup : public QObject {
    Q_OBJECT
public:
    explicit CallSignPopup(QPlainTextEdit& pane);

    void setCallHandler(std::function<void(const QString& call)> handler) {
        handler_ = std::move(handler);
    }
    QMenu& menu() { return *menu_; }
    // The right mouse button went down at `pos` (pane coordinates). With a
    // selection the menu opens at (x, y + 45) taken as screen coordinates.
    bool reRXDataMouseDown(const QPoint& pos);
    QPoint menuPosition(const QPoint& pos) const { return {pos.x(), pos.y() + 45}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void callSelection();
    QPlainTextEdit& pane_;
    QMenu* menu_;
    QString selection_;
    std::function<void(const QString&)> handler_;
};

// Both panes accept anything dragged over them; a drop does nothing.
class AcceptDragsFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static void installOn(QWidget& pane);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvane
