#pragma once

namespace orvane {

// The tone test panel ToneTestBox with its list ToneBox, as the test-tone
// operation drives it.
class ToneTestView {
public:
    virtual ~ToneTestView() = default;
    // Centred on the main window and shown, entry 0 of ToneBox selected and
    // shown, the focus on the panel.
    virtual void open() = 0;
    // The panel hidden, the focus back in the transmit pane.
    virtual void close() = 0;
};

} // namespace orvane
