#pragma once
// Splits the console's byte stream into commands and data.
//
// 0x80 introduces a command or parameter byte, 0x81 makes the next byte data whatever its
// value, every other byte is data for the air. 0x81 0x06 is the panic sequence.

#include "byte_text.h"
#include "command_table.h"

#include <cstdint>
#include <vector>

namespace modara_sim {

struct HostItem {
    enum class Kind {
        Data,    // `byte` is a data byte
        Begun,   // command `byte` read, its parameters are still to come
        Command, // command `byte` with its parameters (text characters for text commands)
        Panic,
    };
    Kind kind = Kind::Data;
    std::uint8_t byte = 0;
    const CommandInfo* info = nullptr; // nullptr for a code the modem does not know
    Bytes params;
    bool complete = true; // false when a plain byte arrived where a parameter was due
};

class CommandParser {
public:
    // Feeds one byte; the items it completes are appended to `out`.
    void feed(std::uint8_t b, std::vector<HostItem>& out);

private:
    enum class State { Plain, AfterEscape, AfterDataEscape, ParamPrefix, ParamValue };

    void startCommand(std::uint8_t code, std::vector<HostItem>& out);
    void finishCommand(bool complete, std::vector<HostItem>& out);

    State state_ = State::Plain;
    HostItem pending_;
};

} // namespace modara_sim
