#pragma once
// The air between two simulators on one machine: a Unix stream socket at a path both are
// given. The first to start listens there, the second connects; a listener takes the next
// peer when one goes away.

#include "air_frames.h"

#include <string>
#include <vector>

namespace modara_sim {

class AirSocket final : public AirPeer {
public:
    AirSocket() = default;
    AirSocket(const AirSocket&) = delete;
    AirSocket& operator=(const AirSocket&) = delete;
    ~AirSocket() override;

    // Connects to a simulator listening at `path`, or listens there; an error text on failure.
    std::string open(const std::string& path);
    // The descriptor to wait on for reading.
    int fd() const { return peer_ >= 0 ? peer_ : listener_; }
    bool wantsWrite() const { return peer_ >= 0 && !pending_.empty(); }
    bool connected() const { return peer_ >= 0; }

    // The descriptor is readable: takes a peer, or reads its frames.
    void onReadable(std::vector<AirFrame>& frames);
    void onWritable() { flush(); }

    // Frames sent with no peer are lost, as radio with nobody listening.
    void transmit(const AirFrame& frame) override;

private:
    void flush();
    void dropPeer();

    std::string path_;
    int listener_ = -1;
    int peer_ = -1;
    AirFrameReader reader_;
    Bytes pending_;
};

} // namespace modara_sim
