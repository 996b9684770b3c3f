#include "app/KeyboardWiring.h"

#include "app/MainWindow.h"
#include "app/OnAirOperations.h"
#include "app/OperationsWiring.h"
#include "config/ui/ConfigurationWindows.h"
#include "config/ui/TForm2.h"

namespace orvane {

KeyboardWiring::KeyboardWiring(const Environment& e)
    : panels_(e.operations.context(), e.operations.calls(), e.configuration.configuration()),
      operations_(KeyOperations::Parts{e.operations.context(), e.clock, e.operations.turns(),
                                       e.operations.linkEnd(), e.operations.calls(),
                                       e.operations.messages(), e.onAir.testTones(), panels_, e.saving,
                                       e.panes, e.configuration, e.received, e.operations.pump(),
                                       e.endOfLine}),
      commands_(e.window, e.operations.context().link, operations_) {}

} // namespace orvane
