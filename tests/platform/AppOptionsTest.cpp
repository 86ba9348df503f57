#include "TempFolder.h"
#include "platform/AppOptions.h"
#include "platform/IniProfile.h"
#include <gtest/gtest.h>

namespace torvane {
namespace {

using test::TempFolder;
using Names = std::vector<std::string>;

TEST(ValidExtensions, ParsingDropsBlanksAndEmptyPieces)
{
    EXPECT_EQ(parseValidExtensions("htm;html;asp"), (Names {".htm", ".html", ".asp"}));
    EXPECT_EQ(parseValidExtensions("  Htm ; ;;SHTML\t;  php ;"), (Names {".Htm", ".SHTML", ".php"}));
    EXPECT_EQ(parseValidExtensions("xhtml"), (Names {".xhtml"}));
    EXPECT_EQ(parseValidExtensions(""), (Names {".htm", ".html", ".asp"}));
    EXPECT_EQ(parseValidExtensions(" \t "), (Names {".htm", ".html", ".asp"}));
    // Only separators: nothing is left, and no default replaces it.
    EXPECT_EQ(parseValidExtensions(";;"), Names {});
    EXPECT_EQ(joinValidExtensions({".Htm", ".SHTML", ".php"}), "Htm;SHTML;php");
}

TEST(ValidExtensions, NormalisedTextIsWrittenBack)
{
    TempFolder folder;
    IniProfile profile(folder.file("Torvane.ini"));
    EXPECT_EQ(normaliseValidExtensions(profile), (Names {".htm", ".html", ".asp"}));
    EXPECT_EQ(profile.readString("Torvane Options", "Valid Extensions", "?"), "htm;html;asp");

    profile.writeString("Torvane Options", "Valid Extensions", " HTM ;; asp; ");
    EXPECT_EQ(normaliseValidExtensions(profile), (Names {".HTM", ".asp"}));
    EXPECT_EQ(profile.readString("Torvane Options", "Valid Extensions", "?"), "HTM;asp");
}

TEST(Options, UndoQueueAndTutorialPrompt)
{
    TempFolder folder;
    IniProfile profile(folder.file("Torvane.ini"));
    EXPECT_EQ(undoQueueSize(profile), 8);
    EXPECT_TRUE(shouldPromptTutorial(profile));
    profile.writeInt("Torvane Options", "Undo Queue Size", 20);
    clearPromptTutorial(profile);
    EXPECT_EQ(undoQueueSize(profile), 20);
    EXPECT_FALSE(shouldPromptTutorial(profile));
    EXPECT_EQ(profile.readString("torvane options", "prompt tutorial", "?"), "0");
}

TEST(MakeIndexSwitch, RecognisedAfterTheFirstPieceOnly)
{
    EXPECT_TRUE(hasMakeIndexSwitch("Book.ipj /makeindex"));
    EXPECT_TRUE(hasMakeIndexSwitch("Book.ipj /MakeIndex "));
    EXPECT_TRUE(hasMakeIndexSwitch("Book.ipj /MAKEINDEX\t"));
    EXPECT_TRUE(hasMakeIndexSwitch("Book.ipj //other /makeindex"));
    EXPECT_FALSE(hasMakeIndexSwitch("Book.ipj / makeindex"));
    EXPECT_FALSE(hasMakeIndexSwitch("/makeindex"));
    EXPECT_FALSE(hasMakeIndexSwitch("//makeindex"));
    EXPECT_FALSE(hasMakeIndexSwitch("Book.ipj"));
    EXPECT_FALSE(hasMakeIndexSwitch("Book.ipj /makeindexes"));
    EXPECT_FALSE(hasMakeIndexSwitch(""));
    EXPECT_FALSE(hasMakeIndexSwitch("makeindex.ipj"));
}

} // namespace
} // namespace torvane
