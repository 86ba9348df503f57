#pragma once
#include "ui/stylesheet/StylePage.h"

namespace torvane {

// " Layout    ": the index page's title and heading, multilevel entries and columns.
class CStyleLayoutTab : public StylePage {
    Q_OBJECT
public:
    CStyleLayoutTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent = nullptr);
};

} // namespace torvane
