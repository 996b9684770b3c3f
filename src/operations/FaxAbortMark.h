#pragma once

namespace orvane {

// A FAX transfer as the Panic buttons reach it: one on screen is marked
// aborted, and the modems' later reports leave that mark alone.
class FaxAbortMark {
public:
    virtual ~FaxAbortMark() = default;
    virtual void panicPressed() = 0;
};

} // namespace orvane
