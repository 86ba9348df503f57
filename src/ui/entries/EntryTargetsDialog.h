#pragma once
#include "document/EntryValues.h"
#include "ui/entries/IndexEntryFields.h"
#include <QDialog>

class QLabel;
class QLineEdit;

namespace torvane {

class MessageSink;

// Set Targets for Index Entry: the frame and window names an entry's links
// open in. Only the fields of the outputs the project makes are enabled.
class EntryTargetsDialog : public QDialog {
    Q_OBJECT
public:
    EntryTargetsDialog(const IndexEntryValues& values, const OutputFlags& outputs, MessageSink& messages,
                       QWidget* parent = nullptr);

    // The entry with the three targets as accepted.
    const IndexEntryValues& values() const { return values_; }

    QLineEdit* targetNameEdit() const { return targetName_; }
    QLineEdit* windowNameEdit() const { return windowName_; }
    QLineEdit* frameNameEdit() const { return frameName_; }

public slots:
    void accept() override;

private:
    IndexEntryValues values_;
    MessageSink& messages_;
    QLineEdit* targetName_;
    QLineEdit* windowName_;
    QLineEdit* frameName_;
};

} // namespace torvane
