#include "platform/cups_queue.h"

#include <cups/cups.h>

#include <cstring>
#include <memory>

namespace filmeria {
namespace {

struct FreeDest {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct DeleteIpp {
    void operator()(ipp_t* message) const { ippDelete(message); }
};

// The message the queue's administrator gave with its refusal; empty when none.
std::string stateMessage(const char* printerUri) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    const std::unique_ptr<ipp_t, DeleteIpp> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response)
        return {};
    ipp_attribute_t* message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT);
    const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
    return text ? text : "";
}

} // namespace

CupsQueue::CupsQueue(const std::string& printerName)
    : name_(printerName) {
    const auto slash = printerName.find('/');
    const std::string queue = printerName.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : printerName.substr(slash + 1);
    const std::unique_ptr<cups_dest_t, FreeDest> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), instance.empty() ? nullptr : instance.c_str()));
    if (!dest)
        return;
    known_ = true;
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (!accepting || std::strcmp(accepting, "false") != 0)
        return;
    const char* uri = cupsGetOption("printer-uri-supported", dest->num_options, dest->options);
    const std::string why = uri ? stateMessage(uri) : std::string();
    refusal_ =
        "La stampante \"" + name_ + "\" non accetta lavori" + (why.empty() ? std::string() : ": " + why);
}

std::optional<std::string> CupsQueue::sentJobRefusal() const {
    // The scheduler's answer to the last request of this thread, the job the toolkit just sent.
    if (!known_ || cupsLastError() < IPP_STATUS_ERROR_BAD_REQUEST)
        return std::nullopt;
    return "La stampante \"" + name_ + "\" ha rifiutato la stampa: " + cupsLastErrorString();
}

} // namespace filmeria
