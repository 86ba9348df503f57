#pragma once
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace torvane {

// The URL that an Add takes from the typed text: leading white space goes,
// and so does every control character (a line break inside a URL would split
// its line of the project file). Nothing when no text is left.
std::optional<std::string> urlToAdd(std::string_view typed);

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
