#include "line_encoder.h"

#include "console_view.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace modara_sim {
namespace {

using test::ConsoleView;
using test::Items;
using test::statusItem;

TEST(LineEncoder, FramesStatusesAndEscapesTheTwoPrefixBytesInData) {
    LineEncoder encoder;
    encoder.status(0x20);
    encoder.data({'K', 0x80, 0x81, 0x11});
    EXPECT_EQ(encoder.take(), (Bytes{0x80, 0x20, 'K', 0x81, 0x80, 0x81, 0x81, 0x11}));
    EXPECT_TRUE(encoder.empty());
}

TEST(LineEncoder, FlowEscapingHidesTheFlowBytesAndSprinklesStrayOnes) {
    LineEncoder encoder;
    encoder.setFlowEscaping(true);
    encoder.data({0x11, 0x13, 0x91});
    EXPECT_EQ(encoder.take(), (Bytes{0x91, 0x31, 0x91, 0x33, 0x91, 0xB1}));

    // Three more data bytes, then the status prefix is the seventh byte: the stray XON goes
    // between the prefix and its code.
    encoder.data({1, 2, 3});
    encoder.status(0x31);
    EXPECT_EQ(encoder.take(), (Bytes{1, 2, 3, 0x80, 0x11, 0x31}));

    // The next stray is an XOFF, which would hold the console's output for good if the modem
    // fell silent after it: the burst ends with an XON.
    encoder.data({4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(encoder.take(), (Bytes{4, 5, 6, 7, 8, 9, 0x13, 10, 0x11}));
}

TEST(LineEncoder, TheConsoleDecodesFlowEscapedOutputToWhatWasMeant) {
    LineEncoder encoder;
    encoder.setFlowEscaping(true);
    Items meant;
    // Every byte value as data and as a status code, so that strays land everywhere,
    // inside escape pairs included if the encoder got that wrong.
    for (int b = 0; b < 256; ++b) {
        encoder.data(static_cast<std::uint8_t>(b));
        encoder.status(static_cast<std::uint8_t>(b));
        meant.push_back(b);
        meant.push_back(statusItem(b));
    }
    Bytes line = encoder.take();
    ConsoleView console;
    console.setFlowFilter(true);
    EXPECT_EQ(console.decode(line), meant);
    EXPECT_NE(std::count(line.begin(), line.end(), 0x11), 0);
    EXPECT_NE(std::count(line.begin(), line.end(), 0x13), 0);
}

TEST(LineEncoder, WithoutStrayBytesOnlyEscapedFlowBytesAppear) {
    LineEncoder encoder;
    encoder.setFlowEscaping(true);
    encoder.setStrayFlowBytes(false);
    for (int i = 0; i < 50; ++i)
        encoder.data({'a', 0x11});
    Bytes line = encoder.take();
    EXPECT_EQ(line.size(), 150u);
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == 0x11 || line[i] == 0x13) ADD_FAILURE() << "flow byte at " << i;
}

TEST(LineEncoder, RawBytesBypassFramingAndFlowEscaping) {
    LineEncoder encoder;
    encoder.setFlowEscaping(true);
    encoder.raw({0x80, 0x11, 0x91, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(encoder.take(), (Bytes{0x80, 0x11, 0x91, 1, 2, 3, 4, 5, 6, 7, 8}));
    encoder.modemBytes({0x80, 0x13});
    EXPECT_EQ(encoder.take(), (Bytes{0x80, 0x91, 0x33}));
}

} // namespace
} // namespace modara_sim
