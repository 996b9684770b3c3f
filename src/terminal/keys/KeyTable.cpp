#include "terminal/keys/KeyTable.h"

#include <array>

namespace orvane {
namespace {
using M = OperatingMode;
using A = KeyAction;
constexpr auto P = KeyTableName::Plain;
constexpr auto C = KeyTableName::Ctrl;
constexpr auto L = KeyTableName::Alt;

bool always(const KeyContext&) {
    return true;
}
bool is(const KeyContext& c, M m) {
    return c.mode == m;
}
bool amtorOrBaudot(const KeyContext& c) {
    return is(c, M::Amtor) || is(c, M::Baudot);
}
bool baudotOrAscii(const KeyContext& c) {
    return is(c, M::Baudot) || is(c, M::Ascii);
}
bool amtorOrPMode(const KeyContext& c) {
    return is(c, M::Amtor) || is(c, M::PMode);
}
bool arqMode(const KeyContext& c) {
    return is(c, M::Quoral) || amtorOrPMode(c);
}

bool hereIsAllowed(const KeyContext& c) {
    return !amtorOrPMode(c) && !baudotOrAscii(c);
}
bool notLinkUp(const KeyContext& c) {
    return !c.linkUp;
}
bool quoralIdle(const KeyContext& c) {
    return is(c, M::Quoral) && !c.linkUp;
}
bool idleNotBroadcast(const KeyContext& c) {
    return !c.linkUp && !isBroadcast(c.mode);
}
bool fskPolarity(const KeyContext& c) {
    return is(c, M::Amtor) || baudotOrAscii(c);
}
bool notArqMode(const KeyContext& c) {
    return !arqMode(c);
}
bool rateCanStep(const KeyContext& c) {
    return !c.txActive && baudotOrAscii(c);
}
bool pMode(const KeyContext& c) {
    return is(c, M::PMode);
}
bool quoral(const KeyContext& c) {
    return is(c, M::Quoral);
}
bool notArqLink(const KeyContext& c) {
    return !(c.linkUp && arqMode(c));
}

constexpr std::array kBindings{
    KeyBinding{L, Qt::Key_F1, always, A::HelpRequest, false},
    KeyBinding{L, Qt::Key_H, always, A::HelpRequest, false},
    KeyBinding{L, Qt::Key_F4, always, A::CwIdNow, true},
    KeyBinding{L, Qt::Key_F5, hereIsAllowed, A::HereIsMessages, true},
    KeyBinding{L, Qt::Key_F7, always, A::PanicReset, true},
    KeyBinding{L, Qt::Key_F8, notLinkUp, A::TestTones, true},
    KeyBinding{L, Qt::Key_F9, quoralIdle, A::QuoralCq, true},
    KeyBinding{L, Qt::Key_F10, always, A::TxEnableToggleNoAscii, true},
    KeyBinding{L, Qt::Key_A, always, A::InsertDate, true},
    KeyBinding{L, Qt::Key_B, always, A::InsertTimeAndDate, true},
    KeyBinding{L, Qt::Key_E, always, A::SaveRx, true},
    KeyBinding{L, Qt::Key_G, amtorOrBaudot, A::QueueLetters, true},
    KeyBinding{L, Qt::Key_I, always, A::CwIdToggle, true},
    KeyBinding{L, Qt::Key_J, always, A::StopDiskSaveSend, true},
    KeyBinding{L, Qt::Key_M, idleNotBroadcast, A::OwnCallPanel, true},
    KeyBinding{L, Qt::Key_N, fskPolarity, A::PolarityToggle, true},
    KeyBinding{L, Qt::Key_P, notArqMode, A::PrintSquelch, true},
    KeyBinding{L, Qt::Key_Q, always, A::Foxes, true},
    KeyBinding{L, Qt::Key_R, rateCanStep, A::RateStep, true},
    KeyBinding{L, Qt::Key_T, always, A::InsertTime, true},
    KeyBinding{L, Qt::Key_U, always, A::ClearReceive, true},
    KeyBinding{L, Qt::Key_V, always, A::ClearTransmit, true},
    KeyBinding{L, Qt::Key_X, always, A::MarkConfigChanged, true},
    KeyBinding{L, Qt::Key_Y, amtorOrBaudot, A::InsertLettersShifts, true},
    KeyBinding{L, Qt::Key_Y, pMode, A::HuffmanToggle, true},
    KeyBinding{L, Qt::Key_Z, always, A::InsertDateTimeGroup, true},

    KeyBinding{C, Qt::Key_B, always, A::BellToggle, true},
    KeyBinding{C, Qt::Key_G, always, A::InsertCurrencySign, true},
    KeyBinding{C, Qt::Key_H, always, A::HelpRequest, false},
    KeyBinding{C, Qt::Key_F1, always, A::HelpRequest, false},
    KeyBinding{C, Qt::Key_F3, idleNotBroadcast, A::OtherCallPanel, true},
    KeyBinding{C, Qt::Key_F5, always, A::HereIsMessages, true},
    KeyBinding{C, Qt::Key_F6, amtorOrPMode, A::ForcedOver, true},
    KeyBinding{C, Qt::Key_F7, always, A::PanicReset, true},
    KeyBinding{C, Qt::Key_F9, quoral, A::AudioChannelPanel, true},
    KeyBinding{C, Qt::Key_F10, always, A::TxEnableToggle, true},
    KeyBinding{C, Qt::Key_F11, quoral, A::AudioChannelPanel, true},
    KeyBinding{C, Qt::Key_F11, pMode, A::PModeTonesPanel, true},
    KeyBinding{C, Qt::Key_F11, always, A::FskTonesPanel, true},

    KeyBinding{P, Qt::Key_F1, always, A::HelpRequest, false},
    KeyBinding{P, Qt::Key_F2, always, A::InsertCallExchange, true},
    KeyBinding{P, Qt::Key_F3, always, A::InsertOtherCall, true},
    KeyBinding{P, Qt::Key_F4, always, A::InsertOwnCall, true},
    KeyBinding{P, Qt::Key_F5, always, A::HereIsMessagesPausingRouting, true},
    KeyBinding{P, Qt::Key_F6, amtorOrPMode, A::Over, true},
    KeyBinding{P, Qt::Key_F6, baudotOrAscii, A::PolarityToggle, true},
    KeyBinding{P, Qt::Key_F7, always, A::EndOfTransmission, true},
    KeyBinding{P, Qt::Key_F8, always, A::Nothing, true},
    KeyBinding{P, Qt::Key_F9, notArqLink, A::CallDialog, true},
    KeyBinding{P, Qt::Key_F10, always, A::TxEnableToggle, true},
};
} // namespace

std::span<const KeyBinding> keyBindings() {
    return kBindings;
}

KeyTableName keyTableFor(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::AltModifier) return KeyTableName::Alt;
    if (modifiers & Qt::ControlModifier) return KeyTableName::Ctrl;
    return KeyTableName::Plain;
}

KeyDecision decideKey(int key, Qt::KeyboardModifiers modifiers, const KeyContext& context) {
    const KeyTableName table = keyTableFor(modifiers);
    KeyDecision decision;
    for (const KeyBinding& binding : kBindings) {
        if (binding.table != table || binding.key != key) continue;
        decision.listed = true;
        decision.consumed = binding.consumed;
        if (binding.condition(context)) {
            decision.action = binding.action;
            break;
        }
    }
    return decision;
}

} // namespace orvane
