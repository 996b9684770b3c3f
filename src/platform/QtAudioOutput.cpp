#include "platform/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

namespace orvane {

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() {
    stop();
}

void QtAudioOutput::stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.close();
}

bool QtAudioOutput::play(PcmSound sound) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    stop();
    bytes_ = QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                        static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t)));
    buffer_.setData(bytes_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, sink_.get(),
                     [this](QAudio::State state) {
                         if (state == QAudio::IdleState) releaseWhenPlayedOut();
                     });
    sink_->start(&buffer_);
    return sink_->error() == QAudio::NoError;
}

// Idle means every sample went to the audio server, which still holds up to
// a buffer of them: the output is given back once those have played.
void QtAudioOutput::releaseWhenPlayedOut() {
    const qint64 heldUs = sink_->format().durationForBytes(sink_->bufferSize());
    QTimer::singleShot(static_cast<int>(heldUs / 1000) + kReleaseMarginMs, sink_.get(), [this] {
        if (sink_) sink_->stop();
    });
}

bool QtAudioOutput::playing() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
}

} // namespace orvane
