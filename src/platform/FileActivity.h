#pragma once

namespace orvane {

// Something that keeps a file open on the operator's behalf (a capture, a text
// or binary send, the statistics log). "S&top disk save/send" ends every one.
class FileActivity {
public:
    virtual ~FileActivity() = default;
    virtual void stopFileActivity() = 0;
};

// Queues the end-of-line bytes when either sync-idle setting is on, so the
// other station's printer moves on after an interrupted line.
class SyncIdleEndOfLine {
public:
    virtual ~SyncIdleEndOfLine() = default;
    virtual void queueEndOfLineIfSyncIdle() = 0;
};

} // namespace orvane
