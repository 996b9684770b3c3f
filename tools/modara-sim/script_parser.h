#pragma once
// The line language of --script and --control: one command a line, '#' starts a comment.
//
// Byte arguments are hex bytes ("2A" or "0x2A") or quoted texts with C escapes, mixed freely:
//   status LINKED "W1AW" 00

#include "byte_text.h"
#include "fax_run.h"
#include "sim_time.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace modara_sim {

struct ScriptCommand {
    enum class Kind {
        Status,     // code, bytes: 0x80 code, then the bytes as framed data
        Text,       // bytes as framed data
        ModemBytes, // bytes as the modem's own output
        Raw,        // bytes on the line unaltered
        Sleep,      // millis
        WaitRx,     // bytes: wait for them from the console
        StatsOn,    // millis
        StatsOff,
        CqOn, // millis, word: the calling sign
        CqOff,
        FailCall, // word
        Reply,    // bytes: the answer to the console's next line
        AutoReplyOn,
        AutoReplyOff,
        Identity, // word: key, value
        Fax,      // fax: a whole FAX transfer's reports
        PtyClose, // the pseudo-terminal closes; its link stays behind
        PtyNew,   // a new pseudo-terminal behind the link
        Quit,
    };
    Kind kind = Kind::Quit;
    std::uint8_t code = 0;
    Bytes bytes;
    Millis millis = 0;
    std::string word;
    std::string value;
    FaxRun fax;
};

struct ParsedLine {
    std::optional<ScriptCommand> command; // none for an empty or comment line
    std::string error;                    // set when the line is not understood
};

ParsedLine parseScriptLine(std::string_view line);

} // namespace modara_sim
