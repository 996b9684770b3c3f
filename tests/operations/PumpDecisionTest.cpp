#include "operations/PumpDecision.h"
#include "operations/EchoCountable.h"
#include "operations/TransmitPump.h"
#include "terminal/TransmitSendState.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using M = OperatingMode;
using E = TextEntryMode;
using S = PumpAction::Step;

struct Row {
    const char* what;
    M mode;
    E entry;
    bool linked;
    const char* line; // the pane's first line
    bool completed;   // more lines follow it
    int sent;
    int echoes;
    bool txEnabled;
    std::size_t queued;
    // expected
    S step;
    const char* bytes;
    bool fskIdle;
    bool finish;
    int sentAfter;
};

// End-of-line sequences as the mode set-ups leave them.
const char* endOfLine(M mode) {
    return mode == M::Amtor || mode == M::Baudot ? "\x0D\x0A\x3C" : "\x0D\x0A";
}

constexpr bool on = true, off = false;

const Row kRows[] = {
    // CHAR: every character as soon as the queue is free.
    {"char quoral linked", M::Quoral, E::Char, on, "AB", off, 0, 0, on, 0, S::Typed, "A", off, off,
     1},
    {"char amtor linked", M::Amtor, E::Char, on, "AB", off, 1, 3, on, 1, S::Typed, "B", off, off,
     2},
    {"char amtor unlinked", M::Amtor, E::Char, off, "AB", off, 0, 0, on, 0, S::Typed, "", off, off,
     0},
    {"char pmode unlinked", M::PMode, E::Char, off, "AB", off, 0, 0, on, 0, S::Typed, "", off, off,
     0},
    {"char baudot unlinked", M::Baudot, E::Char, off, "AB", off, 0, 0, on, 0, S::Typed, "A", off,
     off, 1},
    {"char fec broadcast", M::AmtorBroadcast, E::Char, off, "AB", off, 0, 99, on, 0, S::Typed, "A",
     off, off, 1},
    // WORD: "CQ CQ" sends nothing until the next word has begun.
    {"word unfinished", M::Ascii, E::Word, off, "CQ", off, 1, 0, on, 0, S::Typed, "", off, off, 1},
    {"word space only", M::Ascii, E::Word, off, "CQ ", off, 1, 0, on, 0, S::Typed, "", off, off, 1},
    {"word next begun", M::Ascii, E::Word, off, "CQ C", off, 0, 0, on, 0, S::Typed, "C", off, off,
     1},
    {"word the space", M::Ascii, E::Word, off, "CQ C", off, 2, 0, on, 0, S::Typed, " ", off, off,
     3},
    {"word next waits", M::Ascii, E::Word, off, "CQ CQ", off, 3, 0, on, 0, S::Typed, "", off, off,
     3},
    {"word line ended", M::PMode, E::Word, on, "HI", on, 1, 0, on, 0, S::Typed, "I", off, off, 2},
    {"word pmode unlinked", M::PMode, E::Word, off, "HI X", off, 0, 0, on, 0, S::Typed, "", off,
     off, 0},
    // LINE: nothing before Enter.
    {"line open", M::Ascii, E::Line, off, "HELLO", off, 0, 0, on, 0, S::Typed, "", on, off, 0},
    {"line ended", M::Ascii, E::Line, off, "HELLO", on, 0, 0, on, 0, S::Typed, "H", off, off, 1},
    // Quoral: a finished line leaves whole, only while linked.
    {"quoral whole line", M::Quoral, E::Line, on, "HELLO", on, 0, 0, on, 2, S::Typed, "HELLO", off,
     off, 5},
    {"quoral rest of line", M::Quoral, E::Char, on, "HELLO", on, 2, 0, on, 0, S::Typed, "LLO", off,
     off, 5},
    {"quoral line unlinked", M::Quoral, E::Line, off, "HELLO", on, 0, 0, on, 0, S::Typed, "", off,
     off, 0},
    // A fully sent, finished line: the end-of-line sequence, and the line goes.
    {"quoral end of line", M::Quoral, E::Line, on, "HELLO", on, 5, 0, on, 0, S::Typed, "\x0D\x0A",
     off, on, 0},
    {"amtor end of line", M::Amtor, E::Word, on, "HI", on, 2, 0, on, 0, S::Typed, "\x0D\x0A\x3C",
     off, on, 0},
    {"empty line ended", M::Ascii, E::Word, off, "", on, 0, 0, on, 0, S::Typed, "\x0D\x0A", off, on,
     0},
    {"sent, not ended", M::Ascii, E::Word, off, "HI", off, 2, 0, on, 0, S::Typed, "", off, off, 2},
    {"pane cleared", M::Ascii, E::Word, off, "", off, 4, 0, on, 0, S::Typed, "", off, off, 0},
    // FSK_IDLE while the modem idles and nothing of the line has gone.
    {"fsk idle baudot", M::Baudot, E::Word, off, "CQ", off, 0, 0, on, 0, S::Typed, "", on, off, 0},
    {"no fsk idle once begun", M::Baudot, E::Word, off, "CQ", off, 1, 0, on, 0, S::Typed, "", off,
     off, 1},
    {"no fsk idle in amtor", M::Amtor, E::Word, on, "CQ", off, 0, 0, on, 0, S::Typed, "", off, off,
     0},
    // Echo ceilings: above the mode's count nothing goes.
    {"quoral at 500", M::Quoral, E::Char, on, "AB", off, 0, 500, on, 0, S::Typed, "A", off, off, 1},
    {"quoral at 501", M::Quoral, E::Char, on, "AB", off, 0, 501, on, 0, S::Throttled, "", off, off,
     0},
    {"pmode at 51", M::PMode, E::Char, on, "AB", off, 0, 51, on, 0, S::Throttled, "", off, off, 0},
    {"pmode at 50", M::PMode, E::Char, on, "AB", off, 0, 50, on, 0, S::Typed, "A", off, off, 1},
    {"amtor at 4", M::Amtor, E::Char, on, "AB", off, 0, 4, on, 0, S::Throttled, "", off, off, 0},
    {"ascii at 3", M::Ascii, E::Char, off, "AB", off, 0, 3, on, 0, S::Typed, "A", off, off, 1},
    // The queue check: Quoral waits above 2 bytes, the others above 1.
    {"quoral queue 3", M::Quoral, E::Char, on, "AB", off, 0, 0, on, 3, S::QueueBusy, "", off, off,
     0},
    {"ascii queue 2", M::Ascii, E::Char, off, "AB", off, 0, 0, on, 2, S::QueueBusy, "", off, off,
     0},
    // TX disabled: the pane keeps its text.
    {"tx disabled", M::Ascii, E::Char, off, "AB", on, 0, 0, off, 0, S::Typed, "", off, off, 0},
};

TEST(PumpDecision, DecidesEachRow) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.what);
        PumpView v;
        v.mode = r.mode;
        v.entry = r.entry;
        v.linkUp = r.linked;
        v.firstLine = r.line;
        v.completedLine = r.completed;
        v.sentCount = r.sent;
        v.echoPending = r.echoes;
        v.txEnabled = r.txEnabled;
        v.queued = r.queued;
        const PumpAction a = decidePumpPass(v, endOfLine(r.mode));
        EXPECT_EQ(a.step, r.step);
        EXPECT_EQ(a.text, r.bytes);
        EXPECT_EQ(a.fskIdle, r.fskIdle);
        EXPECT_EQ(a.finishLine, r.finish);
        EXPECT_EQ(a.sentCount, r.sentAfter);
        if (r.step == S::Typed) {
            EXPECT_EQ(a.writeLimit, r.mode == M::Quoral ? 10u : 1u);
        }
    }
}

// Each row sets a hold together with every lower one: the highest decides.
TEST(PumpDecision, HoldsAndProducersInPriority) {
    struct Hold {
        const char* what;
        void (*set)(PumpView&);
        S step;
    };
    const Hold holds[] = {
        {"binary hold", [](PumpView& v) { v.binaryHold = true; }, S::Drain},
        {"still draining", [](PumpView& v) { v.draining = true; }, S::Drain},
        {"echo ceiling", [](PumpView& v) { v.echoPending = 4; }, S::Throttled},
        {"binary data", [](PumpView& v) { v.binaryDataPhase = true; }, S::BinaryPass},
        {"text file", [](PumpView& v) { v.textFileActive = true; }, S::TextFilePass},
        {"flow held", [](PumpView& v) { v.flowHeld = true; }, S::FlowHeld},
    };
    for (std::size_t i = 0; i < std::size(holds); ++i) {
        SCOPED_TRACE(holds[i].what);
        PumpView v;
        v.mode = M::Amtor;
        v.linkUp = true;
        v.firstLine = "AB";
        v.queued = 9;
        for (std::size_t j = i; j < std::size(holds); ++j)
            holds[j].set(v);
        EXPECT_EQ(decidePumpPass(v, "\r").step, holds[i].step);
    }
}

TEST(PumpDecision, EchoesAwaitedAndThreeZ) {
    // The letters-shift '<' and characters outside the FSK alphabet bring no echo.
    EXPECT_EQ(echoCountable(M::Amtor, "\x0D\x0A\x3C"), 2);
    EXPECT_EQ(echoCountable(M::Baudot, "A*%@z9"), 3);
    EXPECT_EQ(echoCountable(M::Quoral, "A*\x0D\x01"), 3);
    EXPECT_EQ(echoCountable(M::QuoralBroadcast, "ABC"), 0);

    ZRun run;
    EXPECT_FALSE(run.feed("zZ"));
    EXPECT_TRUE(run.feed("z")); // across passes
    EXPECT_FALSE(run.feed("zz"));
    EXPECT_FALSE(run.feed("a"));
    EXPECT_FALSE(run.feed("z"));
    EXPECT_TRUE(run.feed("ZZZZ")); // a whole Quoral line
}

} // namespace
} // namespace orvane
