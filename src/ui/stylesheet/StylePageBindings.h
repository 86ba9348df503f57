#pragma once
#include "styles/StyleSettings.h"
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace torvane {

// Which control of a page shows which option, so that a page loads and
// takes its values in one place.
class StylePageBindings {
public:
    void check(QCheckBox* box, int StyleSettings::*field);
    // Button id + `firstValue` is the option's value ("Columns" counts from 1).
    void radios(QButtonGroup* group, int StyleSettings::*field, int firstValue = 0);
    void text(QLineEdit* edit, std::string StyleSettings::*field);

    // A value that no button stands for leaves the whole group unchosen.
    void load(const StyleSettings& values) const;
    // An unchosen group keeps its option's value.
    void store(StyleSettings& values) const;

private:
    struct Check {
        QCheckBox* box;
        int StyleSettings::*field;
    };
    struct Radios {
        QButtonGroup* group;
        int StyleSettings::*field;
        int firstValue;
    };
    struct Text {
        QLineEdit* edit;
        std::string StyleSettings::*field;
    };
    std::vector<Check> checks_;
    std::vector<Radios> radios_;
    std::vector<Text> texts_;
};

} // namespace torvane
