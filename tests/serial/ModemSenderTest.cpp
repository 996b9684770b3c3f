#include "serial/ModemSender.h"
#include "FakePortWriter.h"
#include "WaitUntil.h"
#include "serial/TransmitThread.h"
#include "support/ManualWaitClock.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Sender : public ::testing::Test {
protected:
    testing::FakePortWriter port;
    testing::ManualWaitClock clock; // no idle reports unless a test moves it
    TransmitThread tx{port, [this] { port.noteQueueEmpty(); }, clock};
    bool psk31 = false;
    ModemSender sender{tx, [this] { return psk31; }};
};

TEST_F(Sender, CharacterAndTextGoOutWithoutWaiting) {
    sender.sendCharacter('a');
    const Bytes text{'b', 'c'};
    sender.sendText(text);
    ASSERT_TRUE(testing::waitUntil([&] { return port.written().size() == 3; }));
    EXPECT_EQ(port.written(), (Bytes{'a', 'b', 'c'}));
}

TEST_F(Sender, Psk31TextGoesToTheAuxBufferOnly) {
    psk31 = true;
    const Bytes text{'h', 'i'};
    sender.sendText(text);
    EXPECT_EQ(tx.length(), 0u);
    EXPECT_EQ(tx.auxLength(), 2u);
    sender.sendCharacter('x'); // characters still go to the line
    EXPECT_TRUE(testing::waitUntil([&] { return port.written() == Bytes{'x'}; }));
}

} // namespace
} // namespace orvane
