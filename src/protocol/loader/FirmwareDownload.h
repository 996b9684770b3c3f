#pragma once

#include "protocol/loader/LoaderPort.h"
#include "sequence/Task.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

class ProcessExit;
class Prompter;
class SequenceRunner;
struct ModemIdentity;

// Writes a firmware image into the modem's flash memory over the serial line
// at 57600 bit/s: the operator picks the image, the serial threads are parked,
// the modem is told to load and to erase, the image goes out in the chunks the
// modem's loader reads, and the modem reports the result. Once a download has
// started the program ends, whatever happens: the operator restarts it to use
// the new firmware.
//
// The download is one sequence: each wait (an answer, a pause, a line that
// is full) suspends it on the runner, so the window repaints and Abort can be
// pressed between its steps, and nothing else reaches the modem meanwhile.
// Every answer of the modem is awaited for a limited time; a modem that stays
// silent gets a message naming the step, and the program closes.
class FirmwareDownload {
public:
    struct Parts {
        LoaderPort& port;
        LoaderView& view;
        Prompter& prompter;
        ProcessExit& processExit;
        // Each step waits on it, and by its time.
        SequenceRunner& runner;
        // Read at every pass: a modem not yet initialised (the handshake's
        // reload offer) is not told to prepare first.
        const ModemIdentity& identity;
    };

    // The waits, each with the limit the modem has to answer in.
    enum class Step { Prepare, LoadStart, EraseStart, Erase, Result };
    static int limitMs(Step step);
    static constexpr int kWriteLimitMs = 2000;
    static constexpr int kParkLimitMs = 2000;
    static constexpr int kDownloadRate = 57600;
    static constexpr int kNormalRate = 9600;

    explicit FirmwareDownload(Parts parts) : p_(parts) {}

    // "Load Firmware": the download takes its turn on the runner. A second
    // request while one waits for its turn is dropped.
    void start();
    // The download itself, for a sequence that awaits it (the start-up
    // check's reload offer). Comes back only when the operator cancelled the
    // first file choice or the chosen file cannot be opened; every other way
    // out ends the program.
    Task<> run();

private:
    enum class Closing { WithRestartMessage, Plain };
    // Thrown to leave the download from any depth for the closing sequence.
    struct Ending {
        Closing closing;
    };

    Task<> load();
    // True when the modem reported success.
    Task<bool> download(std::filesystem::path image);
    Task<> prepareModem();
    Task<> erase(bool lodImage);
    Task<> stream(std::filesystem::path image);
    Task<std::uint8_t> awaitResult();

    // True once the line took all of `bytes` within kWriteLimitMs.
    Task<bool> write(std::vector<std::uint8_t> bytes);
    // True once the driver sent what it held within kWriteLimitMs.
    Task<bool> drained();
    Task<> writeOrFail(std::vector<std::uint8_t> bytes);
    // Reads until `wanted` arrives; on `failure` (when given) the erase failed.
    Task<> awaitByte(std::uint8_t wanted, Step step, int failure = -1);
    Task<std::uint8_t> nextByte(Step step, std::int64_t deadline);
    Task<> closingSequence(Closing closing);

    [[noreturn]] void fail(const std::string& message);
    [[noreturn]] void endDownload(Closing closing);
    [[noreturn]] void endProgram();

    Parts p_;
    bool firstPass_ = true;
    bool queued_ = false;
};

} // namespace orvane
