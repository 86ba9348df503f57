#pragma once
#include <QDialog>
#include <string>

namespace torvane {

// The About box: the program's name and version, OK and "Version...".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(std::string productVersion, QWidget* parent = nullptr);

    // Opens Version Details modally.
    void showVersionDetails();

private:
    std::string productVersion_;
};

} // namespace torvane
