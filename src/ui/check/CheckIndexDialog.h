#pragma once
#include "document/IndexFindings.h"
#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;

namespace torvane {

// The findings of Check Index, one row each (place, kind, message), with
// the coverage and the counts below. A double-click shows the row's place;
// "Check Again" runs the check anew. It holds no pointer into the project.
class CheckIndexDialog : public QDialog {
    Q_OBJECT
public:
    using Check = std::function<IndexCheckReport()>;
    using ShowPlace = std::function<void(const IndexFinding&)>;

    CheckIndexDialog(Check check, ShowPlace showPlace, QString projectName, QWidget* parent = nullptr);

    // Runs the check and shows its findings.
    void refresh();

    QTreeWidget* findingsList() const { return list_; }
    QString summaryText() const;

private:
    void showRow(int row);

    Check check_;
    ShowPlace showPlace_;
    QString projectName_;
    std::vector<IndexFinding> findings_;
    QTreeWidget* list_;
    QLabel* summary_;
};

} // namespace torvane
