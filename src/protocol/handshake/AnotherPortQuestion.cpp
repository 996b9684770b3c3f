#include "protocol/handshake/AnotherPortQuestion.h"

namespace orvane {

bool askForAnotherPort(Prompter& prompter, ProcessExit& processExit) {
    prompter.message("ERROR",
                     "Error communicating with modem.\nPlease, check the cable and power "
                     "connections\nor reset the modem and try again.",
                     PromptIcon::Stop, PromptButtons::Ok);
    const PromptAnswer answer =
        prompter.message("Confirm", "Would you like to try another COM port?", PromptIcon::Question,
                         PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes) processExit.exitNow(0);
    return true;
}

} // namespace orvane
