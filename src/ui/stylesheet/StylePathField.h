#pragma once
#include "styles/StyleSettings.h"
#include <QObject>
#include <string>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvane {

struct StyleSheetEnvironment;

// One location of a page: its edit box, its "Browse..." button, the label
// before it if any, and the path type that typing and browsing set.
class StylePathField : public QObject {
    Q_OBJECT
public:
    enum class Kind { Folder, StyleSheetFile };
    struct Setup {
        std::string StyleSettings::*path;
        int StyleSettings::*pathType;
        Kind kind;
        const char* browseTitle;
        // Completes the outside-the-project message ("the image files").
        const char* noun;
        // Empty for a location titled by its group box.
        const char* label = "";
    };

    StylePathField(const StyleSheetEnvironment& environment, StyleSettings& record, const Setup& setup,
                   QWidget* parent);

    QLabel* label() const { return label_; }
    QLineEdit* edit() const { return edit_; }
    QPushButton* browseButton() const { return browse_; }
    // The label if any, the edit box and the button, side by side.
    QHBoxLayout* makeRow() const;
    void setEnabled(bool enabled);
    void browse();

private:
    const StyleSheetEnvironment& environment_;
    StyleSettings& record_;
    Setup setup_;
    QWidget* parent_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_;
    QPushButton* browse_;
};

} // namespace torvane
