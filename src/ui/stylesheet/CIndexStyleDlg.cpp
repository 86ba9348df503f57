#include "ui/stylesheet/CIndexStyleDlg.h"
#include "ui/stylesheet/CStyleCssTab.h"
#include "ui/stylesheet/CStyleEnhancementsTab.h"
#include "ui/stylesheet/StyleExtensionsTab.h"
#include "ui/stylesheet/CStyleGroupHeadingsTab.h"
#include "ui/stylesheet/CStyleHeadingLinksTab.h"
#include "ui/stylesheet/CStyleIndexTypesTab.h"
#include "ui/stylesheet/CStyleLayoutTab.h"
#include <QDialogButtonBox>
#include <QShortcut>
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
    addPageKeys();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIndexStyleDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CIndexStyleDlg::addPageKeys()
{
    // As shortcuts of the sheet itself: a plain key press would first meet
    // the project windows' area, which takes Ctrl+Tab to switch windows.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [sequence, step] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            const int count = tabs_->count();
            tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
        });
    }
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
        page = new StyleExtensionsTab(environment_, settings_, holder);
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
