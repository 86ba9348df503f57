#include "ui/stylesheet/CIndexStyleDlg.h"
#include "ui/stylesheet/CStyleCssTab.h"
#include "ui/stylesheet/CStyleEnhancementsTab.h"
#include "ui/stylesheet/CStyleExtensionsTab.h"
#include "ui/stylesheet/CStyleGroupHeadingsTab.h"
#include "ui/stylesheet/CStyleHeadingLinksTab.h"
#include "ui/stylesheet/CStyleIndexTypesTab.h"
#include "ui/stylesheet/CStyleLayoutTab.h"
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace torvane {

namespace {

constexpr const char* kTabLabels[] = {"Links to Headings", "Group Headings", " Layout    ",
                                      "Enhanced Content",  "Index Types",    "CSS",
                                      "Language and Page"};

} // namespace

CIndexStyleDlg::CIndexStyleDlg(const StyleSettings& settings, StyleSheetEnvironment environment, QWidget* parent)
    : QDialog(parent)
    , environment_(std::move(environment))
    , settings_(settings)
    , tabs_(new QTabWidget(this))
{
    setWindowTitle(environment_.projectMode ? "Project Style Settings" : "Default Style Settings");
    for (const char* label : kTabLabels) {
        auto* holder = new QWidget;
        new QVBoxLayout(holder);
        tabs_->addTab(holder, label);
    }
    // Every tab label stays in view.
    tabs_->setUsesScrollButtons(false);
    buildPage(0);
    connect(tabs_, &QTabWidget::currentChanged, this, &CIndexStyleDlg::showTab);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIndexStyleDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CIndexStyleDlg::accept()
{
    if (!pages_[static_cast<size_t>(current_)]->leave())
        return;
    QDialog::accept();
}

void CIndexStyleDlg::showTab(int index)
{
    if (returning_)
        return;
    if (!pages_[static_cast<size_t>(current_)]->leave()) {
        returning_ = true;
        tabs_->setCurrentIndex(current_);
        returning_ = false;
        return;
    }
    current_ = index;
    if (!pages_[static_cast<size_t>(index)])
        buildPage(index);
}

void CIndexStyleDlg::buildPage(int index)
{
    QWidget* holder = tabs_->widget(index);
    StylePage* page = nullptr;
    switch (static_cast<StylePageId>(index)) {
    case StylePageId::HeadingLinks:
        page = new CStyleHeadingLinksTab(environment_, settings_, holder);
        break;
    case StylePageId::GroupHeadings:
        page = new CStyleGroupHeadingsTab(environment_, settings_, holder);
        break;
    case StylePageId::Layout:
        page = new CStyleLayoutTab(environment_, settings_, holder);
        break;
    case StylePageId::Enhancements:
        page = new CStyleEnhancementsTab(environment_, settings_, holder);
        break;
    case StylePageId::IndexTypes:
        page = new CStyleIndexTypesTab(environment_, settings_, holder);
        break;
    case StylePageId::Css:
        page = new CStyleCssTab(environment_, settings_, holder);
        break;
    case StylePageId::Extensions:
        page = new CStyleExtensionsTab(environment_, settings_, holder);
        break;
    }
    holder->layout()->addWidget(page);
    pages_[static_cast<size_t>(index)] = page;
    // A page built later may need more room than the sheet has; only a
    // shown page counts in the sheet's size.
    page->show();
    if (layout())
        resize(size().expandedTo(sizeHint()));
}

} // namespace torvane
