#pragma once

#include "app/loader/LoaderPort.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace orvane {

class Clock;
class ProcessExit;
class Prompter;
struct ModemIdentity;

// Writes a firmware image into the modem's flash memory over the serial line
// at 57600 bit/s: the operator picks the image, the serial threads are parked,
// the modem is told to load and to erase, the image goes out in the chunks the
// modem's loader reads, and the modem reports the result. Once a download has
// started the program ends, whatever happens: the operator restarts it to use
// the new firmware.
//
// Every answer of the modem is awaited for a limited time; a modem that stays
// silent gets a message naming the step, and the program closes.
class FirmwareDownload {
public:
    struct Parts {
        LoaderPort& port;
        LoaderView& view;
        Prompter& prompter;
        ProcessExit& processExit;
        const Clock& clock;
        // Read at every pass: a modem not yet initialised (the handshake's
        // reload offer) is not told to prepare first.
        const ModemIdentity& identity;
    };

    // The waits, each with the limit the modem has to answer in.
    enum class Step { Prepare, LoadStart, EraseStart, Erase, Result };
    static int limitMs(Step step);
    static constexpr int kWriteLimitMs = 2000;
    static constexpr int kDownloadRate = 57600;
    static constexpr int kNormalRate = 9600;

    explicit FirmwareDownload(Parts parts) : p_(parts) {}

    // Returns only when the operator cancelled the first file choice or the
    // chosen file cannot be opened; every other way out ends the program.
    void Load();

private:
    enum class Closing { WithRestartMessage, Plain };

    // True when the modem reported success.
    bool download(const std::filesystem::path& image);
    void prepareModem();
    void erase(bool lodImage);
    void stream(const std::filesystem::path& image);
    std::uint8_t awaitResult();

    void writeOrFail(std::span<const std::uint8_t> bytes);
    // Reads until `wanted` arrives; on `failure` (when given) the erase failed.
    void awaitByte(std::uint8_t wanted, Step step, int failure = -1);
    std::uint8_t nextByte(Step step, std::int64_t deadline);

    [[noreturn]] void fail(const std::string& message);
    [[noreturn]] void closingSequence(Closing closing);
    [[noreturn]] void endProgram();

    Parts p_;
    bool firstPass_ = true;
};

} // namespace orvane
