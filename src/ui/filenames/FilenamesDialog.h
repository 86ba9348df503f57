#pragma once
#include "ui/filenames/FilenamesDialogRules.h"
#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QLineEdit;

namespace torvane {

class MessageSink;

// The five file names of a project, each edited on its own line.
class FilenamesDialog : public QDialog {
    Q_OBJECT
public:
    // With `project`, names that would overwrite its pages or its project
    // file are refused as well.
    FilenamesDialog(const ProjectFileNames& initial, MessageSink& messages, QWidget* parent = nullptr,
                    const ProjectRootNode* project = nullptr);

    QLineEdit* projectEdit() const { return edits_[0]; }
    QLineEdit* indexEdit() const { return edits_[1]; }
    QLineEdit* htmlHelpEdit() const { return edits_[2]; }
    QLineEdit* javaHelpEdit() const { return edits_[3]; }
    QLineEdit* javaMapEdit() const { return edits_[4]; }
    // The completed names once OK has been accepted.
    const ProjectFileNames& names() const { return names_; }

public slots:
    void accept() override;

private:
    MessageSink& messages_;
    const ProjectRootNode* project_;
    std::array<QLineEdit*, 5> edits_ {};
    ProjectFileNames names_;
};

// Runs the dialog modally; nothing when cancelled.
std::optional<ProjectFileNames> runFilenamesDialog(const ProjectFileNames& initial, MessageSink& messages,
                                                   QWidget* parent, const ProjectRootNode* project = nullptr);

// The overwrite question: Yes, No (the default) and Cancel; Escape cancels.
OverwriteAnswer askOverwrite(const std::string& question, QWidget* parent);

} // namespace torvane
