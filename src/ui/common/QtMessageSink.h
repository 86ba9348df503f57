#pragma once
#include "platform/MessageSink.h"

class QWidget;

namespace torvane {

// The program's own message boxes, all titled "HTML Torvane".
class QtMessageSink final : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }
    QWidget* parent() const { return parent_; }
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view text, bool unattendedAnswer) override;

private:
    QWidget* parent_;
};

// Shows a refusal of `dialog` over the dialog itself, so that closing the
// box gives the keyboard back to the dialog and not to the main window.
void showMessageOver(QWidget& dialog, MessageSink& messages, std::string_view text);

inline constexpr const char* kMessageTitle = "HTML Torvane";

} // namespace torvane
