#pragma once

#include <filesystem>

namespace orvane {

class FileTransferReport;
class FileXferView;
class Prompter;
class TransferFiles;
class TransferLine;
class TransferTiming;

// What both sides of a binary transfer work with.
struct TransferContext {
    TransferLine& line;
    TransferFiles& files;
    FileXferView& view;
    Prompter& prompter;
    // Elapsed time and throughput, the stall time, and the log line's time.
    TransferTiming& timing;
    // Each file once it is over, for the session log.
    FileTransferReport& report;
    std::filesystem::path programDir;  // binxfer.log lives here
    std::filesystem::path downloadDir; // In/
    // Where the question to save a received file starts until the operator
    // has saved one (the home folder).
    std::filesystem::path firstSaveDir;
};

} // namespace orvane
