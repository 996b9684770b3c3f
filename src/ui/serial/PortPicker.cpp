#include "ui/serial/PortPicker.h"

#include "platform/Prompter.h"
#include "ui/serial/PortDialog.h"

namespace orvane {

std::optional<int> PortPicker::pick(const std::string& reason) {
    for (;;) {
        PortDialog dialog(portOptions(baseDir_, roots_), QString::fromStdString(reason));
        if (prompter_.runDialog(dialog) != QDialog::Accepted) return std::nullopt;
        const PortOption* choice = dialog.chosen();
        if (!choice) return 1;
        const TakenPort taken = takePortOption(*choice, baseDir_);
        if (taken.number) return taken.number;
        prompter_.message("Orvane", taken.error, PromptIcon::Stop, PromptButtons::Ok);
    }
}

} // namespace orvane
