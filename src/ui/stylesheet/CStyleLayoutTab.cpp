#include "ui/stylesheet/CStyleLayoutTab.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace torvane {

namespace {

// A sketch of how a multilevel layout prints a heading with two subentries.
// The sketch is the larger target, so a click on it chooses its layout.
class LayoutSketch : public QLabel {
public:
    LayoutSketch(const char* text, QAbstractButton* choice, QWidget* parent)
        : QLabel(text, parent)
        , choice_(choice)
    {
        setFrameShape(QFrame::Box);
        setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        setMinimumSize(sizeHint());
        setCursor(Qt::PointingHandCursor);
        setToolTip(choice->text());
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && choice_->isEnabled())
            choice_->click();
    }

private:
    QAbstractButton* choice_;
};

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
    hanging->addWidget(
        new LayoutSketch("fruit\n  apples, 1\n  pears, 2", multiLevel->button(MultiLevel::Hanging), this));
    runIn->addWidget(new LayoutSketch("fruit: apples, 1;\n  pears, 2", multiLevel->button(MultiLevel::RunIn), this));
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
