#pragma once

#include <string>

namespace orvane {

// What became of a document handed to the print system: the job it became,
// or why there is none.
struct PrintOutcome {
    int jobId = 0;
    std::string failure; // empty when the job was made

    bool printed() const { return failure.empty(); }
};

// Qt's print engine hands the finished document to CUPS without telling
// whether CUPS took it: a queue that has gone, or one that refuses jobs, looks
// the same as a good print. So we look for ourselves: note the queue's newest
// job before printing, and afterwards find the job the document made, or take
// CUPS' own reason for refusing it.
class PrintJobWitness {
public:
    // Looks the queue up and notes its newest job. Call just before printing,
    // on the thread that prints: CUPS keeps the outcome of the last request
    // per thread.
    explicit PrintJobWitness(std::string queue);

    // Why the queue cannot take a document (it does not exist); empty when it can.
    const std::string& unavailable() const { return unavailable_; }

    // Call right after printing: the job titled `title` made since, or the reason.
    PrintOutcome outcome(const std::string& title) const;

private:
    std::string queue_;
    std::string unavailable_;
    int newestBefore_ = 0;
};

} // namespace orvane
