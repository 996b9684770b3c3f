#pragma once

#include "protocol/link/OperatingMode.h"

#include <Qt>

#include <optional>
#include <span>

namespace orvane {

// What the keys look at before acting.
struct KeyContext {
    OperatingMode mode = OperatingMode::Quoral;
    bool linkUp = false;
    bool txActive = false;
};

// Everything a key of the main window can do.
enum class KeyAction {
    HelpRequest,
    CwIdNow,
    HereIsMessages,
    HereIsMessagesPausingRouting,
    PanicReset,
    TestTones,
    QuoralCq,
    TxEnableToggleNoAscii,
    TxEnableToggle,
    InsertDate,
    InsertTimeAndDate,
    InsertTime,
    InsertDateTimeGroup,
    SaveRx,
    StopDiskSaveSend,
    QueueLetters,
    CwIdToggle,
    OwnCallPanel,
    PolarityToggle,
    PrintSquelch,
    Foxes,
    RateStep,
    ClearReceive,
    ClearTransmit,
    MarkConfigChanged,
    InsertLettersShifts,
    HuffmanToggle,
    BellToggle,
    InsertCurrencySign,
    OtherCallPanel,
    ForcedOver,
    AudioChannelPanel,
    PModeTonesPanel,
    FskTonesPanel,
    InsertCallExchange,
    InsertOtherCall,
    InsertOwnCall,
    Over,
    EndOfTransmission,
    Nothing,
    CallDialog,
};

enum class KeyTableName { Plain, Ctrl, Alt };

// One row of the key table: the first row of a key whose condition holds acts.
struct KeyBinding {
    KeyTableName table;
    int key; // Qt::Key
    bool (*condition)(const KeyContext&);
    KeyAction action;
    bool consumed; // the focused control never sees the key
};

std::span<const KeyBinding> keyBindings();

// Alt (with anything) picks the Alt table, else Ctrl the Ctrl table, else the plain one.
KeyTableName keyTableFor(Qt::KeyboardModifiers modifiers);

struct KeyDecision {
    bool listed = false;
    bool consumed = false;
    std::optional<KeyAction> action; // none when the key is not listed or refused
};
KeyDecision decideKey(int key, Qt::KeyboardModifiers modifiers, const KeyContext& context);

} // namespace orvane
