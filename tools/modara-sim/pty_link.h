#pragma once
// The pseudo-terminal the console talks to, and the symbolic link that names it.
//
// We keep the slave side open ourselves, so the master never sees a hang-up when the
// console closes the port and opens it again.

#include <string>

namespace modara_sim {

class PtyLink {
public:
    PtyLink() = default;
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;
    ~PtyLink();

    // Creates the pseudo-terminal (raw, 9600 bit/s); returns an error text, empty on success.
    std::string open();
    // Points `linkPath` at the slave device, replacing whatever link was there.
    std::string publish(const std::string& linkPath);
    // Removes the link if it still points at our device.
    void unpublish();
    // Closes both sides, as a modem switched off; the link stays where it was.
    void close();
    const std::string& linkPath() const { return linkPath_; }

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace modara_sim
