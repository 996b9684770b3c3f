#include "platform/print/PrintJobWitness.h"

#include <cups/cups.h>

#include <algorithm>

namespace orvane {
namespace {

// The queue's jobs, all states and all users, as CUPS lists them.
class QueueJobs {
public:
    explicit QueueJobs(const std::string& queue) {
        count_ = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs_, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    }
    ~QueueJobs() {
        if (count_ > 0) cupsFreeJobs(count_, jobs_);
    }
    QueueJobs(const QueueJobs&) = delete;
    QueueJobs& operator=(const QueueJobs&) = delete;

    const cups_job_t* begin() const { return count_ > 0 ? jobs_ : nullptr; }
    const cups_job_t* end() const { return count_ > 0 ? jobs_ + count_ : nullptr; }

private:
    cups_job_t* jobs_ = nullptr;
    int count_ = 0;
};

bool lastRequestFailed() {
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

// What the printer says of itself ("out of paper"), which explains a refusal.
std::string printerStateMessage(const std::string& queue) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", queue.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    std::string message;
    if (ipp_attribute_t* said = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        message = ippGetString(said, 0, nullptr);
    ippDelete(response);
    return message;
}

} // namespace

PrintJobWitness::PrintJobWitness(std::string queue) : queue_(std::move(queue)) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue_.c_str(), nullptr);
    if (!dest) {
        unavailable_ = lastRequestFailed() ? cupsLastErrorString() : "the printer does not exist";
        return;
    }
    cupsFreeDests(1, dest);
    // Asking for the jobs also leaves this thread's last status clean: what
    // follows it is the print engine's.
    for (const cups_job_t& job : QueueJobs(queue_))
        newestBefore_ = std::max(newestBefore_, job.id);
}

PrintOutcome PrintJobWitness::outcome(const std::string& title) const {
    // The print engine's own request is the last one this thread made; its
    // status is gone once we ask anything else.
    if (lastRequestFailed()) {
        std::string reason = cupsLastErrorString();
        const std::string said = printerStateMessage(queue_);
        if (!said.empty()) reason += " (" + said + ")";
        return {0, reason};
    }
    for (const cups_job_t& job : QueueJobs(queue_))
        if (job.id > newestBefore_ && job.title && title == job.title) return {job.id, {}};
    return {0, "no print job reached the queue"};
}

} // namespace orvane
