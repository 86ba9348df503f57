#pragma once
#include "platform/Messages.h"

class QWidget;

namespace torvane {

// The program's own message boxes, all titled "HTML Torvane".
class QtMessageSink final : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view text, bool unattendedAnswer) override;

private:
    QWidget* parent_;
};

inline constexpr const char* kMessageTitle = "HTML Torvane";

} // namespace torvane
