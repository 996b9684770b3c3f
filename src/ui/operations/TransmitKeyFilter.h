#pragma once

#include <QObject>

class QPlainTextEdit;

namespace orvane {

class FileSenders;
class Sound;
class TransmitPaneText;

// The sent part of the first line cannot be edited; keys
// that would reach into it are swallowed with the warning sound.
class TransmitKeyFilter : public QObject {
public:
    TransmitKeyFilter(QPlainTextEdit& pane, TransmitPaneText& text, const FileSenders& senders,
                      Sound& sound);

    // True when the key is swallowed.
    bool reTXDataKeyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit& pane_;
    TransmitPaneText& text_;
    const FileSenders& senders_;
    Sound& sound_;
};

} // namespace orvane
