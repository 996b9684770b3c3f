#pragma once

#include "platform/UiThread.h"

namespace orvane {

// The Qt event loop of the application's main thread.
class QtUiThread final : public UiThread {
public:
    std::unique_ptr<UiQueue> createQueue() override;
};

} // namespace orvane
