// The tone the console plays (the P-Mode link tone): the samples the audio
// output is handed, and the real output where the machine has one.
#include "platform/QtAudioOutput.h"
#include "platform/QtSound.h"
#include "platform/ToneSamples.h"

#include <QApplication>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orvane {
namespace {

struct RecordingOutput final : PcmOutput {
    bool play(PcmSound sound) override {
        played.push_back(std::move(sound));
        return true;
    }
    std::vector<PcmSound> played;
};

// The pitch from the rising zero crossings: whole periods between the first
// and the last of them.
int pitchOf(const PcmSound& sound) {
    std::vector<std::size_t> rising;
    for (std::size_t i = 1; i < sound.samples.size(); ++i)
        if (sound.samples[i - 1] <= 0 && sound.samples[i] > 0) rising.push_back(i);
    if (rising.size() < 2) return 0;
    const double periods = static_cast<double>(rising.size() - 1);
    return static_cast<int>(std::lround(sound.sampleRate * periods /
                                        static_cast<double>(rising.back() - rising.front())));
}

TEST(Tone, TheSoundHandsTheOutputTheToneAskedFor) {
    const struct {
        int hz, ms;
        std::size_t samples;
        int pitch;
    } rows[] = {{800, 1000, 48000, 800}, {1000, 100, 4800, 1000}};
    for (const auto& row : rows) {
        RecordingOutput output;
        QtSound sound(output);
        sound.tone(row.hz, row.ms);
        ASSERT_EQ(output.played.size(), 1u);
        const PcmSound& played = output.played[0];
        EXPECT_EQ(played.sampleRate, 48000);
        EXPECT_EQ(played.samples.size(), row.samples) << row.hz;
        EXPECT_EQ(pitchOf(played), row.pitch);
        const auto [low, high] = std::minmax_element(played.samples.begin(), played.samples.end());
        EXPECT_GT(*high, 16000) << "loud enough to hear";
        EXPECT_LT(*low, -16000);
        EXPECT_EQ(played.samples.front(), 0) << "no click at the start";
        EXPECT_EQ(played.samples.back(), 0) << "nor at the end";
    }
}

// Against the desktop's audio server where there is one (a null sink will
// do); the call returns at once and the tone plays on to its end.
TEST(Tone, PlaysThroughTheDefaultOutputWithoutHoldingTheCaller) {
    if (QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "no audio output";
    QtAudioOutput output;
    ASSERT_TRUE(output.play(toneSamples(800, 1000)));
    EXPECT_TRUE(output.playing()) << "the call returned while the tone plays";
    QElapsedTimer limit;
    limit.start();
    while (output.playing() && limit.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(output.playing()) << "the tone came to its end";
}

} // namespace
} // namespace orvane
