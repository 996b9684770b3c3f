#pragma once

namespace orvane::panel {

// The status bar's text panels, numbered from the left. Every part of the
// console writes a panel by one of these names.
enum Index : int {
    Mode = 0,    // the operating mode's name
    Link = 1,    // standby and link texts
    Event = 2,   // protocol state, bias
    Station = 3, // ISS/IRS, traffic class
    Rate = 4,    // P-Mode rate
    Format = 5,  // pane line counts on every tick; polarity, Huffman between ticks
    Entry = 6,   // text-entry mode, capture file and count
    Setup = 7,   // set by the Quoral, Baudot and PSK31 set-ups
    Clock = 8,   // the UTC clock
    Count = 9
};

} // namespace orvane::panel
