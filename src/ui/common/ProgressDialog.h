#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace torvane {

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

} // namespace torvane
