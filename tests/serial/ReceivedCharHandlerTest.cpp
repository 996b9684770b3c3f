#include "serial/ReceivedCharHandler.h"
#include "serial/EchoCounter.h"
#include "serial/ReceivedTextSink.h"
#include "serial/RoutingFlags.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Records what the handler did as a string: "r<c> " shown received, "e<c> " shown
// echoed, "bell " sounded, "c " captured, "f " focus returned.
class RecordingTarget final : public ReceivedTextSink, public ReceiveWindow {
public:
    bool faxTransferPanelVisible() const override { return faxVisible; }
    void showReceived(char c) override { log += std::string("r") + c + " "; }
    void showEcho(char c) override { log += std::string("e") + c + " "; }
    void playSystemDefault() override { log += "bell "; }
    void captureChar(std::uint8_t c) override {
        captured.push_back(static_cast<char>(c));
        log += "c ";
    }
    void returnFocus() override { log += "f "; }

    bool faxVisible = false;
    std::string log;
    std::string captured;
};

class CharHandler : public ::testing::Test {
protected:
    void feed(std::string_view bytes) {
        for (char c : bytes)
            handler.handle(static_cast<std::uint8_t>(c));
    }
    RecordingTarget target;
    RoutingFlags flags;
    EchoCounter echoes;
    bool binarySend = false;
    std::string echoEnable = "ON";
    ReceivedCharHandler handler{target,
                                target,
                                flags,
                                echoes,
                                {[this] { return binarySend; }, [this] { return echoEnable; }}};
};

TEST_F(CharHandler, CrLfIsOneLineBreakShownAndCaptured) {
    feed("a\r\nb");
    EXPECT_EQ(target.log, "ra c f r\n c f rb c f ");
    EXPECT_EQ(target.captured, "a\nb");
}

TEST_F(CharHandler, LoneLfShowsAndCapturesNothing) {
    feed("\n");
    EXPECT_EQ(target.log, "");
}

TEST_F(CharHandler, UnshownBytesStillReachTheCaptureFile) {
    feed(std::string("\x00\x1f\x7f\x80\xff", 5));
    EXPECT_EQ(target.log, "c f c f c f c f c f ");
    EXPECT_EQ(target.captured, std::string("\x00\x1f\x7f\x80\xff", 5));
}

TEST_F(CharHandler, BellRingsOnlyWhenEnabledAndIsNeverShown) {
    feed("\a");
    EXPECT_EQ(target.log, "bell c f ");
    target.log.clear();
    handler.BellEnabled = false;
    feed("\a");
    EXPECT_EQ(target.log, "c f ");
    EXPECT_EQ(target.captured, "\a\a");
}

TEST_F(CharHandler, FaxPanelSwallowsEverything) {
    target.faxVisible = true;
    flags.EchoMode = true;
    echoes.add(3);
    feed("ab\r");
    EXPECT_EQ(target.log, "");
    EXPECT_EQ(echoes.EchoPending(), 3);
}

TEST_F(CharHandler, EchoesAreShownInEchoColourAndCounted) {
    flags.EchoMode = true;
    echoes.add(4);
    feed("hi\r\n");
    EXPECT_EQ(target.log, "eh c f ei c f e\n c f ");
    EXPECT_EQ(echoes.EchoPending(), 0); // the LF counts although it shows nothing
}

TEST_F(CharHandler, EchoesAreOnlyShownWhenEchoEnableIsExactlyOn) {
    flags.EchoMode = true;
    for (const char* setting : {"OFF", "on", "On", "", "ON "}) {
        echoEnable = setting;
        echoes.add(1);
        target.log.clear();
        feed("x");
        EXPECT_EQ(target.log, "c f ") << '"' << setting << '"';
        EXPECT_EQ(echoes.EchoPending(), 0) << '"' << setting << '"';
    }
}

TEST_F(CharHandler, EchoesOfABinarySendAreCountedButNeitherShownNorCaptured) {
    flags.EchoMode = true;
    binarySend = true;
    echoes.add(3);
    feed("abc");
    EXPECT_EQ(target.log, "");
    EXPECT_EQ(echoes.EchoPending(), 0);
}

TEST_F(CharHandler, PrefixBytesCountTwoAndTheCountCanDipToMinusOne) {
    flags.EchoMode = true;
    echoes.add(1);
    handler.handle(0x80);
    EXPECT_EQ(echoes.EchoPending(), -1);
    handler.handle(0x41); // left alone while not above 0
    EXPECT_EQ(echoes.EchoPending(), -1);
    echoes.add(4);
    handler.handle(0x81);
    EXPECT_EQ(echoes.EchoPending(), 1);
    EXPECT_EQ(target.captured, "\x80\x41\x81");
}

} // namespace
} // namespace orvane
