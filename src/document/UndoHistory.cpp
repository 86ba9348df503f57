#include "document/UndoHistory.h"

#include <cstdlib>

namespace torvane {

namespace {
constexpr int kLargestUndoLimit = 32;
}

int clampUndoLimit(int stored)
{
    // In long so that the most negative int does not overflow.
    long limit = std::labs(static_cast<long>(stored));
    if (limit > kLargestUndoLimit)
        limit = kLargestUndoLimit;
    if (limit < 1)
        limit = 1;
    return static_cast<int>(limit);
}

void UndoHistory::push(ProjectAction action)
{
    undo_.push_front(std::move(action));
    // A saved state ahead in the redo queue is cut off by a new step.
    if (toSaved_ && *toSaved_ < 0)
        toSaved_.reset();
    else if (toSaved_)
        ++*toSaved_;
}

void UndoHistory::pushRedone(ProjectAction action)
{
    undo_.push_front(std::move(action));
}

void UndoHistory::trim()
{
    while (undo_.size() > static_cast<std::size_t>(limit_))
        undo_.pop_back();
    redo_.clear();
    if (toSaved_ && *toSaved_ > static_cast<long>(undo_.size()))
        toSaved_.reset();
}

void UndoHistory::discardLast()
{
    if (!undo_.empty())
        undo_.pop_front();
    if (toSaved_)
        --*toSaved_;
}

std::optional<ProjectAction> UndoHistory::takeFront(std::deque<ProjectAction>& queue)
{
    if (queue.empty())
        return std::nullopt;
    ProjectAction front = std::move(queue.front());
    queue.pop_front();
    return front;
}

std::optional<ProjectAction> UndoHistory::takeUndo()
{
    std::optional<ProjectAction> taken = takeFront(undo_);
    if (taken && toSaved_)
        --*toSaved_;
    return taken;
}

std::optional<ProjectAction> UndoHistory::takeRedo()
{
    std::optional<ProjectAction> taken = takeFront(redo_);
    if (taken && toSaved_)
        ++*toSaved_;
    return taken;
}

void UndoHistory::pushRedo(ProjectAction action)
{
    redo_.push_front(std::move(action));
}

void UndoHistory::clear()
{
    undo_.clear();
    redo_.clear();
    toSaved_ = 0;
}

std::optional<int> UndoHistory::undoCode() const
{
    if (undo_.empty())
        return std::nullopt;
    return undo_.front().code;
}

std::optional<int> UndoHistory::redoCode() const
{
    if (redo_.empty())
        return std::nullopt;
    return redo_.front().code;
}

} // namespace torvane
