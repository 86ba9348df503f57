#include "generate/OutputJobs.h"
#include <atomic>
#include <exception>
#include <string>
#include <thread>

namespace torvane {

namespace {

class HeldMessages : public MessageSink {
public:
    void showMessage(std::string_view text) override { texts_.emplace_back(text); }
    // Output writers ask nothing; a question would need the user at once.
    bool askYesNo(std::string_view, bool unattendedAnswer) override { return unattendedAnswer; }
    void showAll(MessageSink& sink) const
    {
        for (const std::string& text : texts_)
            sink.showMessage(text);
    }

private:
    std::vector<std::string> texts_;
};

struct JobOutcome {
    HeldMessages messages;
    bool written = false;
    std::exception_ptr failure;
};

} // namespace

bool runOutputJobs(const std::vector<OutputJob>& jobs, MessageSink& messages)
{
    std::vector<JobOutcome> outcomes(jobs.size());
    std::atomic<std::size_t> next {0};
    auto work = [&jobs, &outcomes, &next] {
        for (std::size_t job; (job = next.fetch_add(1)) < jobs.size();) {
            try {
                outcomes[job].written = jobs[job](outcomes[job].messages);
            } catch (...) {
                outcomes[job].failure = std::current_exception();
            }
        }
    };
    if (jobs.size() > 1) {
        std::thread helper(work);
        work();
        helper.join();
    } else {
        work();
    }
    bool allWritten = true;
    for (const JobOutcome& outcome : outcomes) {
        if (outcome.failure)
            std::rethrow_exception(outcome.failure);
        outcome.messages.showAll(messages);
        allWritten &= outcome.written;
    }
    return allWritten;
}

} // namespace torvane
