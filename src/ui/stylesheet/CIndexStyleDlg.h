#pragma once
#include "styles/StyleSettings.h"
#include "ui/stylesheet/StyleSheetEnvironment.h"
#include <QDialog>
#include <array>

class QTabWidget;

namespace torvane {

class StylePage;

// The modal property sheet that edits one copy of a StyleSettings record in
// six pages. A page is built when first shown and must accept its values
// before another page (or OK) takes over; the caller reads settings() after OK.
class CIndexStyleDlg : public QDialog {
    Q_OBJECT
public:
    CIndexStyleDlg(const StyleSettings& settings, StyleSheetEnvironment environment, QWidget* parent = nullptr);

    const StyleSettings& settings() const { return settings_; }
    QTabWidget* tabs() const { return tabs_; }
    // The page at `index`, or null while it has never been shown.
    StylePage* page(int index) const { return pages_.at(static_cast<size_t>(index)); }

public slots:
    void accept() override;

private:
    // Ctrl+Tab and Ctrl+PageDown step to the next page, with Shift or PageUp
    // to the previous one, wrapping round.
    void addPageKeys();
    void showTab(int index);
    void buildPage(int index);

    StyleSheetEnvironment environment_;
    StyleSettings settings_;
    QTabWidget* tabs_;
    std::array<StylePage*, 7> pages_ {};
    int current_ = 0;
    // Set while a refused tab change is being taken back.
    bool returning_ = false;
};

} // namespace torvane
