#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace torvane {

// "Add External URLs to Project": one URL per Add; the dialog stays open so
// that the user can go on adding.
class AddUrlsDialog : public QDialog {
    Q_OBJECT
public:
    using AddUrl = std::function<void(const std::string& url)>;

    explicit AddUrlsDialog(AddUrl addUrl, QWidget* parent = nullptr);

    QLineEdit* urlEdit() const { return url_; }
    QCheckBox* clearOnAddBox() const { return clearOnAdd_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    void addTyped();

private:
    AddUrl addUrl_;
    QLineEdit* url_;
    QCheckBox* clearOnAdd_;
    QPushButton* add_;
    QPushButton* close_;
};

} // namespace torvane
