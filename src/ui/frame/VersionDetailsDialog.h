#pragma once
#include <QDialog>
#include <string>
#include <string_view>

class QLabel;

namespace torvane {

inline constexpr std::string_view kUnknownProgramVersion = "?.?.?";

// The program's version as shown: the first three of the product version's
// four 16-bit numbers ("4.0.1.7" shows "4.0.1"; missing numbers count as 0).
// The placeholder when the text is no such version.
std::string programVersionText(std::string_view productVersion);

// The versions of the program and of the toolkit that draws its windows.
class VersionDetailsDialog : public QDialog {
    Q_OBJECT
public:
    VersionDetailsDialog(std::string_view productVersion, QWidget* parent = nullptr);

    QLabel* programVersionLabel() const { return program_; }
    QLabel* toolkitVersionLabel() const { return toolkit_; }
    QLabel* programNameLabel() const { return programName_; }

private:
    QLabel* program_;
    QLabel* toolkit_;
    QLabel* programName_;
};

} // namespace torvane
