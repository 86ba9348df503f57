#pragma once
#include "platform/HtmlToolsSettings.h"
#include <QDialog>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace torvane {

class MessageSink;
class Profile;

// Trims both program names; returns the refusal text when the editor is
// chosen for auto-open but empty.
std::optional<std::string> checkHtmlToolsSettings(HtmlToolsSettings& settings);

// Chooses the browser and editor and what opens the new index.
class HtmlToolsDialog : public QDialog {
    Q_OBJECT
public:
    HtmlToolsDialog(Profile& profile, MessageSink& messages, QWidget* parent = nullptr);

    QLineEdit* browserEdit() const { return browser_; }
    QLineEdit* editorEdit() const { return editor_; }
    // What each setting starts, kept up to date while the user types.
    QLabel* browserUsedLabel() const { return browserUsed_; }
    QLabel* editorUsedLabel() const { return editorUsed_; }
    void setAutoOpen(int choice);

public slots:
    void accept() override;

private:
    void browse(QLineEdit* edit, const QString& title);

    Profile& profile_;
    MessageSink& messages_;
    QLineEdit* browser_;
    QLineEdit* editor_;
    QLabel* browserUsed_;
    QLabel* editorUsed_;
    QButtonGroup* autoOpen_;
};

} // namespace torvane
