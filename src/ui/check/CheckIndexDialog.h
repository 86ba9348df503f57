#pragma once
#include "document/IndexFindings.h"
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace torvane {

// The findings of Check Index, one row each (place, kind, message), with
// the coverage and the counts below. A double-click shows the row's place;
// "Ignore This Finding" lets the current row's finding stand, with a reason
// kept in the project; "Check Again" runs the check anew. It holds no
// pointer into the project.
class CheckIndexDialog : public QDialog {
    Q_OBJECT
public:
    using Check = std::function<IndexCheckReport()>;
    using ShowPlace = std::function<void(const IndexFinding&)>;
    using Ignore = std::function<void(const IndexFinding&, std::string reason)>;

    CheckIndexDialog(Check check, ShowPlace showPlace, Ignore ignore, QString projectName, QWidget* parent = nullptr);

    // Runs the check and shows its findings.
    void refresh();
    // Lets the finding of `row` stand for `reason`, then checks anew.
    void ignoreRow(int row, const QString& reason);

    QTreeWidget* findingsList() const { return list_; }
    QString summaryText() const;

private:
    void showRow(int row);
    void askAndIgnoreCurrent();

    Check check_;
    ShowPlace showPlace_;
    Ignore ignore_;
    QString projectName_;
    std::vector<IndexFinding> findings_;
    QTreeWidget* list_;
    QLabel* summary_;
    QPushButton* ignoreButton_;
};

} // namespace torvane
