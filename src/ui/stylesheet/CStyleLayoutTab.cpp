#include "ui/stylesheet/CStyleLayoutTab.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvane {

namespace {

// A sketch of how each multilevel layout prints a heading with two subentries.
QLabel* layoutPicture(const char* text, QWidget* parent)
{
    auto* picture = new QLabel(text, parent);
    picture->setFrameShape(QFrame::Box);
    picture->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    picture->setMinimumSize(picture->sizeHint());
    return picture;
}

} // namespace

CStyleLayoutTab::CStyleLayoutTab(const StyleSheetEnvironment& environment, StyleSettings& record, QWidget* parent)
    : StylePage(StylePageId::Layout, environment, record, parent)
{
    auto* pageBox = new QGroupBox("Index Page", this);
    auto* pageForm = new QFormLayout(pageBox);
    pageForm->addRow("Title:", addText("Page Title", &StyleSettings::pageTitle));
    pageForm->addRow("Heading:", addText("Page Heading", &StyleSettings::pageHeading));

    auto* multilevelBox = new QGroupBox("Multilevel Entries", this);
    auto* multilevelLayout = new QHBoxLayout(multilevelBox);
    auto* hanging = new QVBoxLayout;
    auto* runIn = new QVBoxLayout;
    // Each button stands above its own picture.
    QButtonGroup* multiLevel = addRadios({"Hanging", "Run-in"}, "MultiLevel", &StyleSettings::multiLevel, nullptr);
    hanging->addWidget(multiLevel->button(MultiLevel::Hanging));
    runIn->addWidget(multiLevel->button(MultiLevel::RunIn));
    hanging->addWidget(layoutPicture("fruit\n  apples, 1\n  pears, 2", this));
    runIn->addWidget(layoutPicture("fruit: apples, 1;\n  pears, 2", this));
    multilevelLayout->addLayout(hanging);
    multilevelLayout->addLayout(runIn);

    auto* columnsBox = new QGroupBox("Columns", this);
    addRadios({"1", "2", "3"}, "Columns", &StyleSettings::columns, new QHBoxLayout(columnsBox), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageBox);
    layout->addWidget(multilevelBox);
    layout->addWidget(columnsBox);
    layout->addWidget(addCheck("Allow Long Lines to Wrap", "Long Lines Wrap", &StyleSettings::longLinesWrap));
    layout->addStretch();
    showRecord();
}

} // namespace torvane
