#pragma once

#include <QWidgetList>

namespace orvane {

// The console's dialogs and message boxes that are on screen now: the
// questions no other window of ours may cover.
QWidgetList shownDialogs();

} // namespace orvane
