#pragma once

#include <QObject>

class QPlainTextEdit;

namespace orvane {

class BinaryPumpSource;
class Sound;
class TransmitPaneText;
class TransmitPump;

// The sent part of the first line cannot be edited; keys
// that would reach into it are swallowed with the warning sound.
class TransmitKeyFilter : public QObject {
public:
    TransmitKeyFilter(QPlainTextEdit& pane, TransmitPaneText& text, const TransmitPump& pump,
                      const BinaryPumpSource& binary, Sound& sound);

    // True when the key is swallowed.
    bool reTXDataKeyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit& pane_;
    TransmitPaneText& text_;
    const TransmitPump& pump_;
    const BinaryPumpSource& binary_;
    Sound& sound_;
};

} // namespace orvane
