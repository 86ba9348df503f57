#pragma once
#include "platform/MessageSink.h"
#include <functional>
#include <vector>

namespace torvane {

// Writes one output from a finished tree, telling its failures to the sink
// it is given; true when it was written.
using OutputJob = std::function<bool(MessageSink&)>;

// Runs jobs that share nothing but read-only data, on this thread and one
// more. What each job tells is held back and then shown in job order, from
// this thread, so that neither the files nor the messages depend on which
// thread ran what or when. Returns true when every job did.
bool runOutputJobs(const std::vector<OutputJob>& jobs, MessageSink& messages);

} // namespace torvane
