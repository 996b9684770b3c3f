#include "identity.h"

#include <gtest/gtest.h>

namespace modara_sim {
namespace {

Bytes reply(const Identity& identity, std::uint8_t code) {
    auto answer = replyTo(identity, code);
    if (!answer) return {};
    Bytes bytes{answer->echo};
    bytes.insert(bytes.end(), answer->bytes.begin(), answer->bytes.end());
    return bytes;
}

TEST(Identity, EachQueryIsAnsweredByItsCodeAndItsSetting) {
    Identity identity;
    ASSERT_EQ(setIdentity(identity, "product-id", "BEEF"), "");
    ASSERT_EQ(setIdentity(identity, "boot", "8c:05"), "");
    ASSERT_EQ(setIdentity(identity, "hardware", "800B"), "");
    ASSERT_EQ(setIdentity(identity, "lod", "03:07"), "");
    ASSERT_EQ(setIdentity(identity, "s28", "A1:FF"), "");
    ASSERT_EQ(setIdentity(identity, "selftest", "-1"), "");
    EXPECT_EQ(reply(identity, 0x02), (Bytes{0x02, 0xFF}));
    EXPECT_EQ(reply(identity, 0x7B), (Bytes{0x7B, 0xBE, 0xEF}));
    EXPECT_EQ(reply(identity, 0x78), (Bytes{0x78, 0x8C, 0x05}));
    EXPECT_EQ(reply(identity, 0xA0), (Bytes{0xA0, 0x80, 0x0B}));
    EXPECT_EQ(reply(identity, 0x76), (Bytes{0x76, 0x03, 0x07}));
    EXPECT_EQ(reply(identity, 0x77), (Bytes{0x77, 0xA1, 0xFF}));
    EXPECT_EQ(reply(identity, 0x41), Bytes{});
}

TEST(Identity, SilentQueriesGetNoAnswer) {
    Identity identity;
    ASSERT_EQ(setIdentity(identity, "silent", "id,version-w"), "");
    EXPECT_EQ(reply(identity, 0x7B), Bytes{});
    EXPECT_EQ(reply(identity, 0x77), Bytes{});
    EXPECT_NE(reply(identity, 0x76), Bytes{});
    // A new list replaces the old one.
    ASSERT_EQ(setIdentity(identity, "silent", "selftest"), "");
    EXPECT_NE(reply(identity, 0x7B), Bytes{});
    EXPECT_EQ(reply(identity, 0x02), Bytes{});
}

TEST(Identity, MalformedValuesAreRefusedAndLeaveTheSetting) {
    Identity identity;
    for (const char* bad : {"800", "80040", "80G4", ""})
        EXPECT_NE(setIdentity(identity, "hardware", bad), "") << bad;
    for (const char* bad : {"93-07", "9:07", "93:7", "93:0x"})
        EXPECT_NE(setIdentity(identity, "lod", bad), "") << bad;
    for (const char* bad : {"256", "-129", "1x"})
        EXPECT_NE(setIdentity(identity, "selftest", bad), "") << bad;
    EXPECT_NE(setIdentity(identity, "silent", "id,versions"), "");
    EXPECT_NE(setIdentity(identity, "colour", "red"), "");
    EXPECT_EQ(identity.hardware, (Identity::Pair{0x80, 0x04}));
    EXPECT_EQ(identity.lod, (Identity::Pair{0x93, 0x07}));
    EXPECT_FALSE(identity.silent[static_cast<std::size_t>(Query::Id)]);
}

TEST(Identity, OnlyHardware800AAnd800BUseSoftwareFlowControl) {
    Identity identity;
    EXPECT_FALSE(identity.usesFlowControl());
    for (const char* hardware : {"800A", "800b"}) {
        setIdentity(identity, "hardware", hardware);
        EXPECT_TRUE(identity.usesFlowControl()) << hardware;
    }
    for (const char* hardware : {"8004", "800C", "900A"}) {
        setIdentity(identity, "hardware", hardware);
        EXPECT_FALSE(identity.usesFlowControl()) << hardware;
    }
}

} // namespace
} // namespace modara_sim
