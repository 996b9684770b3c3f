#pragma once

#include <string>

namespace orvane {

// The end-of-line words a setting may choose from.
enum class EndOfLineWords {
    All,           // "CR LF LTRS", "CR", "CR CR LF", "CR LF"
    CrAndCrLfOnly, // "CR", "CR LF"; any other word leaves the sequence alone
};

// Other activities of the console that a change of link state reaches.
class ConsoleActivities {
public:
    virtual ~ConsoleActivities() = default;
    // Stops a text-file send with its progress display as "S&top disk
    // save/send" does, then marks no text-file send active.
    virtual void stopTextFileSend() = 0;
    // Ends every activity holding a file open (capture, save, transfer):
    // files closed, flags cleared, their panels reset as by their own stop.
    virtual void closeFileActivities() = 0;
    // Sets the typed text's end-of-line sequence from a setting's word.
    virtual void setEndOfLine(const std::string& word, EndOfLineWords accepted) = 0;
};

} // namespace orvane
