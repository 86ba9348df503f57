#pragma once
#include "document/ProjectAction.h"

#include <deque>
#include <memory>
#include <optional>

namespace torvane {

// "Undo Queue Size" made usable: negative values count as positive, and the
// result is kept within 1 to 32.
int clampUndoLimit(int stored);

// The undo and redo queues of one document, most recent action at the front.
class UndoHistory {
public:
    explicit UndoHistory(int limit)
        : limit_(clampUndoLimit(limit))
    {
    }

    int limit() const { return limit_; }

    // A new step: the redo queue goes with the next trim.
    void push(ProjectAction action);
    // The most recent undo element, which a running action fills with the
    // places it is about to change; null when the queue is empty.
    ProjectAction* newestUndo() { return undo_.empty() ? nullptr : &undo_.front(); }
    // Drops the oldest undo elements beyond the limit, then the whole redo queue.
    void trim();
    // Withdraws the most recent push (a cancelled or empty action).
    void discardLast();

    // Move the front element out; nothing when the queue is empty. The caller
    // files the places it replaces in the other queue (push never trims).
    std::optional<ProjectAction> takeUndo();
    std::optional<ProjectAction> takeRedo();
    void pushRedo(ProjectAction action);
    // Files a step taken from the redo queue back in the undo queue.
    void pushRedone(ProjectAction action);

    // The saved state is where Undo and Redo can lead back to it; a change
    // outside the history, or trimming the step that led there, loses it.
    void markSaved() { toSaved_ = 0; }
    void forgetSaved() { toSaved_.reset(); }
    bool atSavedState() const { return toSaved_ == 0; }

    void clear();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Codes of the front elements, for the menu texts.
    std::optional<int> undoCode() const;
    std::optional<int> redoCode() const;
    std::size_t undoDepth() const { return undo_.size(); }
    std::size_t redoDepth() const { return redo_.size(); }

private:
    static std::optional<ProjectAction> takeFront(std::deque<ProjectAction>& queue);

    int limit_;
    std::deque<ProjectAction> undo_;
    std::deque<ProjectAction> redo_;
    // How many Undo steps lead back to the saved state (Redo steps when
    // negative); none when no step does.
    std::optional<long> toSaved_ = 0;
};

} // namespace torvane
