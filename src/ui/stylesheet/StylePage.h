#pragma once
#include "ui/stylesheet/StylePageBindings.h"
#include "ui/stylesheet/StylePathField.h"
#include "ui/stylesheet/StyleSheetRules.h"
#include <QStringList>
#include <QWidget>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace torvane {

struct StyleSheetEnvironment;

// A page of the style sheet. It edits the sheet's working record: created
// when first shown, it shows the record; left, it takes its controls' values
// back after the page's checks. Every control carries its option's key as
// object name.
class StylePage : public QWidget {
    Q_OBJECT
public:
    StylePage(StylePageId id, const StyleSheetEnvironment& environment, StyleSettings& record,
              QWidget* parent = nullptr);

    StylePageId id() const { return id_; }
    // False, after telling the user why, when the page must stay in front.
    bool leave();

protected:
    QCheckBox* addCheck(const char* text, const char* key, int StyleSettings::*field);
    // One radio button per label, ids from 0, laid out in `layout` unless
    // the page places them itself (null).
    QButtonGroup* addRadios(const QStringList& labels, const char* key, int StyleSettings::*field, QBoxLayout* layout,
                            int firstValue = 0);
    QLineEdit* addText(const char* key, std::string StyleSettings::*field);
    StylePathField* addPath(const char* key, const StylePathField::Setup& setup);
    // Shows the record and applies the enabling rules: call once the
    // controls exist.
    void showRecord();
    virtual void applyEnabling() {}
    // Controls for options outside the 39 (the project's extensions) show
    // and take their values here.
    virtual void loadOwnControls(const StyleSettings&) {}
    virtual void storeOwnControls(StyleSettings&) const {}

    const StyleSheetEnvironment& environment_;
    StyleSettings& record_;

private:
    StylePageId id_;
    StylePageBindings bindings_;
};

} // namespace torvane
