// Two simulated modems over the air, and the pace of the line model.
#include "air_frames.h"
#include "line_rate.h"
#include "modem.h"

#include "console_view.h"

#include <gtest/gtest.h>

namespace modara_sim {
namespace {

using test::Items;
using test::statusItem;

Bytes textCommand(std::uint8_t code, std::string_view text) {
    Bytes bytes{0x80, code};
    for (char c : text)
        bytes.insert(bytes.end(), {0x80, static_cast<std::uint8_t>(c)});
    bytes.insert(bytes.end(), {0x80, 0x00});
    return bytes;
}

// The air as a socket would carry it: encoded, then read back in odd pieces.
struct Air final : AirPeer {
    Modem* other = nullptr;
    AirFrameReader reader;
    void transmit(const AirFrame& frame) override {
        const Bytes bytes = encodeAirFrame(frame);
        std::vector<AirFrame> frames;
        for (std::size_t i = 0; i < bytes.size(); i += 3)
            reader.feed(bytes.data() + i, std::min<std::size_t>(3, bytes.size() - i), frames);
        for (const auto& f : frames)
            other->fromAir(f);
    }
};

struct Station {
    Modem modem{{}, [](const std::string&) {}};
    Air air;
    test::ConsoleView console;
    Items send(const Bytes& bytes, Millis now) {
        modem.receive(bytes.data(), bytes.size(), now);
        modem.tick(now);
        return console.decode(modem.takeOutput());
    }
    Items heard() { return console.decode(modem.takeOutput()); }
};

TEST(Air, ACallLinksBothStationsWhichThenHearEachOtherUntilOneDisconnects) {
    Station a, b;
    a.air.other = &b.modem;
    b.air.other = &a.modem;
    a.modem.setAirPeer(&a.air);
    b.modem.setAirPeer(&b.air);

    a.send(textCommand(0x13, "ALPHA"), 0);
    a.send(textCommand(0x11, "BRAVO"), 0);
    // The caller's modem also reports that it holds the turn (ISS).
    EXPECT_EQ(a.send({}, 300),
              (Items{statusItem(0x20), 'B', 'R', 'A', 'V', 'O', 0x00, statusItem(0x7A), 14}));
    EXPECT_EQ(b.heard(), (Items{statusItem(0x20), 'A', 'L', 'P', 'H', 'A', 0x00}));

    EXPECT_EQ(a.send({0x01, 0x81, 0x80, 'x'}, 400),
              (Items{statusItem(0x31), 0x01, 0x80, 'x', statusItem(0x30)}));
    EXPECT_EQ(b.heard(), (Items{0x01, 0x80, 'x'}));

    b.send({0x80, 0x07}, 500);
    EXPECT_EQ(a.heard(), (Items{statusItem(0x23), 0x00}));
    EXPECT_EQ(a.send({'y'}, 600), Items{}) << "off the air again";
}

TEST(LineRate, NineSixHundredBaudCarriesNineHundredSixtyBytesASecond) {
    LineRate line(9600, 16);
    std::size_t carried = 0;
    for (Millis now = 0; now <= 10000; ++now) {
        const std::size_t n = line.allowance(now);
        line.used(n);
        carried += n;
    }
    EXPECT_NEAR(static_cast<double>(carried), 16 + 9600.0, 2);
    const auto next = line.nextAt(10000, 16); // 16 bytes take 16.7 ms
    ASSERT_TRUE(next);
    EXPECT_NEAR(static_cast<double>(*next), 10017, 1);
}

} // namespace
} // namespace modara_sim
