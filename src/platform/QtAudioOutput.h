#pragma once

#include "platform/PcmOutput.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

namespace orvane {

// The desktop's default audio output through Qt Multimedia (PulseAudio on
// Linux). The samples play from memory while the event loop runs, so the
// window never waits for them.
class QtAudioOutput final : public PcmOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    bool play(PcmSound sound) override;
    // A sound is still playing, or still held by the audio server.
    bool playing() const;

private:
    static constexpr int kReleaseMarginMs = 100;
    void stop();
    void releaseWhenPlayedOut();

    std::unique_ptr<QAudioSink> sink_;
    QByteArray bytes_;
    QBuffer buffer_;
};

} // namespace orvane
