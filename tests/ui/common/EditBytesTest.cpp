#include "support/UiTestSupport.h"
#include "ui/crossrefs/XrefDialog.h"
#include "ui/common/EditBytes.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane {
namespace {

const std::string kCodePage = "caf\xE9"; // "café" in a single-byte code page
const std::string kUtf8 = "caf\xC3\xA9"; // the same word in UTF-8

TEST(EditBytes, TextThatIsNotUtf8ComesBackByteForByte)
{
    EXPECT_TRUE(isUtf8(kUtf8));
    EXPECT_FALSE(isUtf8(kCodePage));
    EXPECT_FALSE(isUtf8("\xC3"));
    EXPECT_EQ(fromBytes(kUtf8), QStringLiteral(u"café"));
    EXPECT_EQ(fromBytes(kCodePage), QStringLiteral(u"café")) << "shown one character per byte";

    // Unchanged text gives back the bytes it came from, whatever they were.
    EXPECT_EQ(toBytes(fromBytes(kCodePage), kCodePage), kCodePage);
    EXPECT_EQ(toBytes(fromBytes(kUtf8), kUtf8), kUtf8);
    // Edited, a code-page field stays in its form while it can, else UTF-8.
    EXPECT_EQ(toBytes(QStringLiteral(u"cafés"), kCodePage), "caf\xE9s");
    EXPECT_EQ(toBytes(QStringLiteral(u"café €"), kCodePage), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(toBytes(QStringLiteral(u"cafés"), kUtf8), "caf\xC3\xA9s");
    EXPECT_EQ(toBytes(QStringLiteral(u"é"), ""), "\xC3\xA9") << "typed text is UTF-8";

    QLineEdit edit;
    showBytes(edit, kCodePage);
    EXPECT_EQ(textBytes(edit), kCodePage);
    edit.setText(edit.text() + "s");
    EXPECT_EQ(textBytes(edit), "caf\xE9s");

    // A limit on typing keeps a longer stored value whole.
    QLineEdit limited;
    limited.setMaxLength(4);
    showBytes(limited, "images/long/");
    EXPECT_EQ(textBytes(limited), "images/long/");
}

TEST(EditBytes, ConfirmingAnEditDialogLeavesCodePageTextAlone)
{
    test::RecordingMessages messages;
    const CrossReferenceValues record = {kCodePage, kCodePage, ".", "<i>See</i>", "cr\xE8me", "cr\xE8me", true};
    test::whenModalOpens<XrefDialog>([](XrefDialog& shown) { shown.addButton()->click(); });
    const auto edited = editCrossReferenceValues(record, messages, nullptr);
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(*edited, record);
}

} // namespace
} // namespace torvane
