#pragma once
#include "document/PageLocations.h"
#include "sources/LoadedPage.h"
#include "sources/PageReader.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace torvane {

// One listed page as found, read and scanned before the model takes it.
struct PageAhead {
    PageLocations::Located located;
    LoadedPage loaded;
};

// Prepares the pages of a load for the thread that builds the model, taken
// one by one in list order. A second thread prepares pages a few ahead; the
// caller prepares the next ones itself rather than wait for it. `prepare`
// must touch nothing but its page (it looks at the disk only), so what the
// load makes of the pages never depends on which thread prepared them or
// when: the model, and every message in its order, are made by the caller
// as it takes the pages.
class PagesAhead {
public:
    // Prepares page `index` into `page`, reading with the thread's own `reader`.
    using Prepare = std::function<void(std::size_t index, PageAhead& page, PageReader& reader)>;

    // Without `onSecondThread` every page is prepared when it is taken.
    PagesAhead(std::size_t count, Prepare prepare, bool onSecondThread);
    // Stops the second thread after the page it is preparing.
    ~PagesAhead();
    PagesAhead(const PagesAhead&) = delete;
    PagesAhead& operator=(const PagesAhead&) = delete;

    // The next page of the list, prepared; the caller's until the next
    // call. An exception thrown by `prepare` for it is thrown here.
    PageAhead& next();

private:
    void prepareAhead();
    // Prepares page `index` into its slot; called and returns with `lock` held.
    void prepareIn(std::unique_lock<std::mutex>& lock, std::size_t index, PageReader& reader);

    // How far ahead pages may be prepared: bounds the memory held by pages
    // read but not yet taken.
    static constexpr std::size_t kDepth = 8;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::size_t count_;
    Prepare prepare_;
    std::array<PageAhead, kDepth> slots_;
    std::array<std::size_t, kDepth> readyIndex_; // the page each slot holds ready
    PageReader callerReader_;
    PageReader workerReader_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t taken_ = kNone; // the page the caller holds
    std::size_t nextClaim_ = 0; // the first page nobody prepares yet
    std::size_t resumeAt_ = 0; // the page whose taking wakes the waiting worker
    bool callerWaiting_ = false;
    bool workerWaiting_ = false;
    bool stopping_ = false;
    std::exception_ptr failure_; // of the worker's last page
    std::thread worker_;
};

} // namespace torvane
