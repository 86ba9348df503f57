#pragma once
#include "document/EntryValues.h"
#include "ui/entries/IndexEntryFields.h"
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace torvane {

class MessageSink;

enum class EntryDialogMode {
    // Modeless: every Add puts one entry on whatever is selected then.
    Add,
    // Modal: OK hands the edited values back to the caller.
    Edit,
};

// The Add/Edit Index Entry dialog. The user types the fields in their
// stored form; the dialog refuses what the pages' comment block cannot hold.
class EntryDialog : public QDialog {
    Q_OBJECT
public:
    using AddHandler = std::function<void(const IndexEntryValues&)>;

    EntryDialog(EntryDialogMode mode, const OutputFlags& outputs, const IndexEntryValues& initial,
                MessageSink& messages, QWidget* parent = nullptr);

    // Called at once on every accepted Add, before the dialog goes on.
    void setAddHandler(AddHandler handler) { onAdd_ = std::move(handler); }
    // The values of the last accepted Add or OK (and the targets as set).
    const IndexEntryValues& values() const { return values_; }
    bool isClosing() const { return closing_; }

    QCheckBox* autoCopyBox() const { return autoCopy_; }
    QCheckBox* clearOnAddBox() const { return clearOnAdd_; }
    QPushButton* targetsButton() const { return targets_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* closeButton() const { return close_; }
    QLineEdit* indexAsEdit() const { return indexAs_; }
    QLineEdit* helpAsEdit() const { return helpAs_; }
    QLineEdit* helpTitleEdit() const { return helpTitle_; }
    QLineEdit* sortAsEdit() const { return sortAs_; }
    // The field the user starts in: the formatted entry when the HTML index
    // is made, else the help entry.
    QLineEdit* firstField() const;

public slots:
    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void commit();
    bool readFields();
    void showFields();
    void focusFirstField(bool selectText);
    void editTargets();
    void copyTyped(const AutoCopy& copy, const QString& text);

    EntryDialogMode mode_;
    OutputFlags outputs_;
    MessageSink& messages_;
    IndexEntryValues values_;
    AddHandler onAdd_;
    bool closing_ = false;
    QCheckBox* autoCopy_;
    QPushButton* targets_;
    QLineEdit* indexAs_;
    QLineEdit* helpAs_;
    QLineEdit* helpTitle_;
    QLineEdit* sortAs_;
    QCheckBox* clearOnAdd_;
    QPushButton* add_;
    QPushButton* close_;
};

} // namespace torvane
