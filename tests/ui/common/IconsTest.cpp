#include "ui/common/Icons.h"
#include "model/ProjectNode.h"
#include "ui/commands/CommandIds.h"
#include <QImage>
#include <gtest/gtest.h>

namespace torvane {
namespace {

// Whether anything is drawn: a picture missing from the resources comes out
// fully transparent.
bool hasInk(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

TEST(Icons, EveryPictureComesFromTheResourcesAtItsSize)
{
    ASSERT_EQ(nodeImages().size(), 9u);
    for (const QPixmap& picture : nodeImages()) {
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(20, 15));
        EXPECT_TRUE(hasInk(picture));
    }
    ASSERT_EQ(entryImages().size(), 10u);
    for (const QPixmap& picture : entryImages()) {
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(20, 14));
        EXPECT_TRUE(hasInk(picture));
    }
    // Pictures of different things differ.
    EXPECT_NE(nodeImages()[0].toImage(), nodeImages()[1].toImage());
    EXPECT_NE(nodeImages()[NodeIcon::OutsideFile].toImage(), nodeImages()[NodeIcon::File].toImage());
    EXPECT_NE(nodeImages()[NodeIcon::IdTarget].toImage(), nodeImages()[NodeIcon::Target].toImage());
    EXPECT_NE(entryImages()[6].toImage(), entryImages()[7].toImage());

    for (int id : {CmdFileNew, CmdFileOpen, CmdFileSave, CmdAddFiles, CmdAddExternalUrls, CmdCreateCrossReference,
                   CmdRemove, CmdExclude, CmdAddIndexEntry, CmdProjectStyleSettings, CmdMakeIndex, CmdHelpTopics}) {
        const QIcon icon = toolbarIcon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_TRUE(hasInk(icon.pixmap(16, 15))) << id;
    }
    EXPECT_TRUE(toolbarIcon(CmdExit).isNull());
    EXPECT_EQ(applicationIcon().availableSizes().size(), 4);
    EXPECT_TRUE(hasInk(applicationIcon().pixmap(64, 64)));
}

} // namespace
} // namespace torvane
