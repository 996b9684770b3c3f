#pragma once

namespace orvane {

// Told when the device behind the port has gone (the adapter was unplugged,
// the other end of the line closed). Called on the serial thread that found
// it, at most once for each thread and port; it must not block.
class LineLossListener {
public:
    virtual ~LineLossListener() = default;
    virtual void lineLost() = 0;
};

// Errors that mean the device is gone, not that one call failed.
bool isDeviceLoss(int errorNumber);

} // namespace orvane
