#pragma once

#include <string>

namespace orvane {

// What closing the console now would cut short.
struct CloseStakes {
    bool linkUp = false;
    std::string linkedCall; // empty when the modem named none
    bool transferRunning = false;
    bool unsentText = false;

    bool any() const { return linkUp || transferRunning || unsentText; }
};

// The question the operator is asked before such a close: what is at stake,
// and the two answers.
struct CloseQuestion {
    std::string caption;
    std::string text;
    std::string act;  // the close, with a disconnect first when a link is up
    std::string stay; // the console goes on as it was
};

CloseQuestion closeQuestion(const CloseStakes& stakes);

} // namespace orvane
