#pragma once

#include <filesystem>

namespace orvane {

class Clock;
class EchoCounter;
class ExpansionRunner;
class FileTransferReport;
class FileXferView;
class Prompter;
class TransferFiles;
class TransferLine;
struct Settings;
struct ThroughputState;

// What both sides of a binary transfer work with.
struct TransferContext {
    TransferLine& line;
    TransferFiles& files;
    FileXferView& view;
    Prompter& prompter;
    Clock& clock;
    EchoCounter& echoes;
    // The throughput display's memory, shared with the clock tick.
    ThroughputState& throughput;
    // Each file once it is over, for the session log.
    FileTransferReport& report;
    // A received file's expansion, away from the window's thread.
    ExpansionRunner& expansion;
    // ReceiveStallSeconds.
    const Settings& settings;
    std::filesystem::path programDir;  // binxfer.log lives here
    std::filesystem::path downloadDir; // In/
};

} // namespace orvane
