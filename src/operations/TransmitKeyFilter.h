#pragma once

#include <QObject>

class QTextEdit;

namespace orvane {

class BinaryPumpSource;
class Sound;
class TransmitPaneText;
class TransmitPump;

// reTXDataKeyDown: the sent part of the first line cannot be edited; keys
// that would reach into it are swallowed with the warning sound.
class TransmitKeyFilter : public QObject {
public:
    TransmitKeyFilter(QTextEdit& pane, TransmitPaneText& text, const TransmitPump& pump,
                      const BinaryPumpSource& binary, Sound& sound);

    // True when the key is swallowed.
    bool reTXDataKeyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit& pane_;
    TransmitPaneText& text_;
    const TransmitPump& pump_;
    const BinaryPumpSource& binary_;
    Sound& sound_;
};

} // namespace orvane
