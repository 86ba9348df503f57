#include "support/UiTestSupport.h"
#include "ui/common/DialogWidth.h"
#include "ui/crossrefs/XrefDialog.h"
#include "ui/entries/EntryDialog.h"
#include "ui/entries/EntryTargetsDialog.h"
#include "ui/filenames/FilenamesDialog.h"
#include "ui/frame/AboutDialog.h"
#include "ui/frame/VersionDetailsDialog.h"
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

// Shown, each dialog must leave its whole title readable beside the title
// bar's icon and buttons (at least four lines' height of them) and its
// fields wide enough for a good part of a typical entry.
void expectReadable(QDialog& dialog)
{
    SCOPED_TRACE(dialog.windowTitle().toStdString());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QFont bold = dialog.font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    EXPECT_GE(dialog.width(), title.horizontalAdvance(dialog.windowTitle()) + 4 * title.height());
    EXPECT_GE(dialog.minimumWidth(), titleBarWidth(dialog)) << "the title stays readable when narrowed";
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (field->isVisible() && field->maximumWidth() == QWIDGETSIZE_MAX) {
            EXPECT_GE(field->width(), field->fontMetrics().averageCharWidth() * 20);
        }
    }
    dialog.resize(10, 10);
    EXPECT_GE(dialog.width(), titleBarWidth(dialog));
}

TEST(DialogWidth, EveryDialogIsWideEnoughForItsTitleAndFields)
{
    test::RecordingMessages messages;
    const OutputFlags outputs;
    EntryDialog addEntry(EntryDialogMode::Add, outputs, IndexEntryValues {}, messages);
    expectReadable(addEntry);
    EntryDialog editEntry(EntryDialogMode::Edit, outputs, IndexEntryValues {}, messages);
    expectReadable(editEntry);
    EntryTargetsDialog targets(IndexEntryValues {}, outputs, messages);
    expectReadable(targets);
    XrefDialog crossReference(messages, XrefDialog::AddHandler {});
    expectReadable(crossReference);
    FilenamesDialog filenames(ProjectFileNames {}, messages);
    expectReadable(filenames);
    AboutDialog about("4.0.1.7");
    expectReadable(about);
    VersionDetailsDialog details("4.0.1.7");
    expectReadable(details);
}

TEST(DialogWidth, ALongerTitleNeedsMoreRoom)
{
    QWidget window;
    window.setWindowTitle("Short");
    const int shortWidth = titleBarWidth(window);
    window.setWindowTitle("A much longer title than the short one");
    EXPECT_GT(titleBarWidth(window), shortWidth);
    setReadableMinimumWidth(window, 1);
    EXPECT_EQ(window.minimumWidth(), titleBarWidth(window));
    setReadableMinimumWidth(window, 400);
    EXPECT_EQ(window.minimumWidth(), window.fontMetrics().averageCharWidth() * 400);
}

} // namespace
} // namespace torvane
