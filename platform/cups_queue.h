#pragma once
// The CUPS queue's own word on a print job. The toolkit hands the job to CUPS and reports
// success whatever the queue answers, so a queue that refuses jobs (cupsreject) would print
// nothing and say nothing: the program asks the queue before sending, and reads the queue's
// answer to the job afterwards.
#include <optional>
#include <string>

namespace filmeria {

class CupsQueue {
public:
    // Asks the scheduler about the queue named as the toolkit names it ("name" or
    // "name/instance"). A queue the scheduler does not know is left to the toolkit.
    explicit CupsQueue(const std::string& printerName);

    // Why the queue takes no jobs now ("La stampante … non accetta lavori: <its reason>"), or
    // nullopt when it accepts them or is not a CUPS queue.
    const std::optional<std::string>& refusal() const { return refusal_; }

    // After a job was sent from this thread: the scheduler's refusal of it, or nullopt.
    std::optional<std::string> sentJobRefusal() const;

private:
    std::string name_;
    bool known_ = false;
    std::optional<std::string> refusal_;
};

} // namespace filmeria
