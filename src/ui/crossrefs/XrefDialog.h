#pragma once
#include "document/CrossReferenceRules.h"
#include "document/EntryValues.h"
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace torvane {

class MessageSink;

// Creates cross-references one Add at a time (modeless, stays open), or
// edits one (modal, OK and Cancel). The user types the texts in their stored,
// escaped form; the dialog only checks and tidies them.
class XrefDialog : public QDialog {
    Q_OBJECT
public:
    using AddHandler = std::function<void(const CrossReferenceValues&)>;

    // Add mode: every accepted Add goes to `onAdd`.
    XrefDialog(MessageSink& messages, AddHandler onAdd, QWidget* parent = nullptr);
    // Edit mode, filled with the record's values.
    XrefDialog(MessageSink& messages, const CrossReferenceValues& initial, QWidget* parent = nullptr);

    bool addMode() const { return static_cast<bool>(onAdd_); }
    // The values last accepted by Add or OK.
    const CrossReferenceValues& values() const { return values_; }

    QLineEdit* field(int which) const { return fields_[static_cast<size_t>(which)]; }
    QCheckBox* autoCopyBox() const { return autoCopy_; }
    QCheckBox* linkBox() const { return link_; }
    QCheckBox* clearOnAddBox() const { return clearOnAdd_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    // Add in add mode, OK in edit mode.
    void accept() override;

protected:
    bool event(QEvent* event) override;

private:
    XrefDialog(MessageSink& messages, AddHandler onAdd, const CrossReferenceValues& initial, QWidget* parent);
    void showValues(const CrossReferenceValues& values);
    CrossReferenceValues valuesShown() const;
    void copyIfAuto(int from, int to);
    void applyLinkRule();

    MessageSink& messages_;
    AddHandler onAdd_;
    CrossReferenceValues values_;
    std::array<QLineEdit*, CrossReferenceFieldCount> fields_ {};
    QCheckBox* autoCopy_;
    QCheckBox* link_;
    QCheckBox* clearOnAdd_;
    QPushButton* add_;
    QPushButton* close_;
};

// Runs the edit dialog modally; nothing when the user cancels.
std::optional<CrossReferenceValues> editCrossReferenceValues(const CrossReferenceValues& initial, MessageSink& messages,
                                                             QWidget* parent);

} // namespace torvane
