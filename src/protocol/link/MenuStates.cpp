#include "protocol/link/MenuStates.h"

namespace orvane {

MenuStates menuStates(const MenuInputs& inputs) {
    return {.enabled = {{Control::SaveReceivedItem, !inputs.savingReceived},
                        {Control::StopSaveSendItem, inputs.stopOffered},
                        {Control::SaveStatisticsItem, !inputs.savingStatistics},
                        {Control::SendTextFileItem, inputs.textFileOffered},
                        {Control::SendBinaryFileItem, inputs.binaryFileOffered},
                        {Control::ConfigureMenu, true},
                        {Control::CodeMenu, inputs.modeChangeOffered},
                        {Control::TestTonesItem, inputs.testTonesOffered}},
            .checks = codeMenuChecks(inputs.checkedMode)};
}

} // namespace orvane
