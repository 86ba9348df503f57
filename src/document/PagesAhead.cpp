#include "document/PagesAhead.h"

namespace torvane {

PagesAhead::PagesAhead(std::size_t count, Prepare prepare, bool onSecondThread)
    : count_(count)
    , prepare_(std::move(prepare))
{
    readyIndex_.fill(kNone);
    if (onSecondThread && count_ > 1)
        worker_ = std::thread([this] { prepareAhead(); });
}

PagesAhead::~PagesAhead()
{
    if (!worker_.joinable())
        return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void PagesAhead::prepareIn(std::unique_lock<std::mutex>& lock, std::size_t index, PageReader& reader)
{
    lock.unlock();
    try {
        prepare_(index, slots_[index % kDepth], reader);
    } catch (...) {
        lock.lock();
        throw;
    }
    lock.lock();
    readyIndex_[index % kDepth] = index;
}

PageAhead& PagesAhead::next()
{
    std::unique_lock lock(mutex_);
    const std::size_t index = taken_ = taken_ == kNone ? 0 : taken_ + 1;
    if (workerWaiting_ && index >= resumeAt_)
        changed_.notify_all();
    PageAhead& page = slots_[index % kDepth];
    while (readyIndex_[index % kDepth] != index) {
        if (nextClaim_ <= index) {
            nextClaim_ = index + 1;
            prepareIn(lock, index, callerReader_);
        } else if (failure_) {
            std::rethrow_exception(failure_);
        } else if (nextClaim_ < index + kDepth && nextClaim_ < count_) {
            // The worker is on this page: prepare a later one meanwhile.
            prepareIn(lock, nextClaim_++, callerReader_);
        } else {
            callerWaiting_ = true;
            changed_.wait(lock);
            callerWaiting_ = false;
        }
    }
    return page;
}

void PagesAhead::prepareAhead()
{
    std::unique_lock lock(mutex_);
    while (!stopping_ && nextClaim_ < count_) {
        // A page's slot is free once the caller has moved past the page that
        // used it last. A full ring waits until half of it is free, so that
        // the threads do not wake each other for every page.
        const std::size_t taken = taken_ == kNone ? 0 : taken_;
        if (nextClaim_ >= taken + kDepth) {
            resumeAt_ = nextClaim_ - kDepth / 2;
            workerWaiting_ = true;
            changed_.wait(lock, [&] { return stopping_ || (taken_ != kNone && taken_ >= resumeAt_); });
            workerWaiting_ = false;
            continue;
        }
        try {
            prepareIn(lock, nextClaim_++, workerReader_);
        } catch (...) {
            failure_ = std::current_exception();
            changed_.notify_all();
            return;
        }
        if (callerWaiting_)
            changed_.notify_all();
    }
}

} // namespace torvane
