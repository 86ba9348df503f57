#pragma once
#include "model/ProjectRootNode.h"
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QPushButton;

namespace torvane {

class AddFilesTree;

// "Add Files to Project": the pages below the project directory as a tree;
// each Add hands the selected ones on and the dialog stays open for more.
class AddFilesDialog : public QDialog {
    Q_OBJECT
public:
    // Receives the full paths chosen by one Add.
    using AddPages = std::function<void(const std::vector<std::string>& fullPaths)>;

    // Scans `startFolder` (native, ending in "/") for pages once, now.
    AddFilesDialog(const std::string& startFolder, const std::vector<std::string>& validExtensions, AddPages addPages,
                   QWidget* parent = nullptr);

    ProjectRootNode& model() { return model_; }
    AddFilesTree* tree() const { return tree_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* closeButton() const { return close_; }
    // True while the pages of an Add are being loaded.
    bool isAdding() const { return adding_; }

public slots:
    void addChosen();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProjectRootNode model_;
    AddPages addPages_;
    AddFilesTree* tree_;
    QPushButton* add_;
    QPushButton* close_;
    bool adding_ = false;
};

} // namespace torvane
