#pragma once
#include "platform/Progress.h"
#include "ui/common/ProgressDialog.h"
#include <QPointer>
#include <string_view>
#include <vector>

namespace torvane {

// The desktop's Progress: lets pending window events through at every step so
// that Cancel can be pressed and windows repaint. Because of that, another
// operation may begin while one runs (Save pressed during a load): it gets a
// window of its own, and the outer window takes over again when it ends.
class QtProgress final : public Progress {
public:
    explicit QtProgress(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    ~QtProgress() override;
    void setParent(QWidget* parent) { parent_ = parent; }

    void begin(std::string_view title, int total, bool cancellable) override;
    bool step(int done, std::string_view text) override;
    void end() override;

    // The window of the innermost running operation.
    ProgressDialog* dialog() const;

private:
    QWidget* parent_;
    // One entry per begin not yet ended; an entry turns null when its
    // window's parent was destroyed under it.
    std::vector<QPointer<ProgressDialog>> dialogs_;
};

} // namespace torvane
