#pragma once
#include "platform/Progress.h"
#include <QDialog>
#include <QPointer>
#include <string_view>

class QLabel;
class QProgressBar;
class QPushButton;

namespace torvane {

// Only loading and adding files can be cancelled; a save always runs to its end.
bool progressOffersCancel(std::string_view title);

// A modeless progress window: the current file above a bar, and a Cancel
// button when the operation may be stopped between files.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    void start(const QString& title, int total, bool cancellable);
    void advance(int done, const QString& text);
    bool cancelled() const { return cancelled_; }
    bool cancelVisible() const;
    QString text() const;
    int value() const;

protected:
    void reject() override;

private:
    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool cancelled_ = false;
};

// The desktop's Progress: lets pending window events through at every step so
// that Cancel can be pressed and windows repaint.
class QtProgress final : public Progress {
public:
    explicit QtProgress(QWidget* parent = nullptr) : parent_(parent) {}
    ~QtProgress() override;
    void setParent(QWidget* parent) { parent_ = parent; }

    void begin(std::string_view title, int total) override;
    bool step(int done, std::string_view text) override;
    void end() override;

    ProgressDialog* dialog() const { return dialog_; }

private:
    QWidget* parent_;
    QPointer<ProgressDialog> dialog_;
};

} // namespace torvane
