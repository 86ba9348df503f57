#include "TempFolder.h"
#include "support/Unprivileged.h"
#include "platform/FileAccess.h"
#include "platform/IniProfile.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvane {
namespace {

using test::TempFolder;

TEST(IniProfile, MissingFileGivesDefaultsAndFirstWriteCreatesFolders)
{
    TempFolder folder;
    const std::string path = folder.file("config/torvane/Torvane.ini");
    IniProfile profile(path);
    EXPECT_EQ(profile.readInt("Layout", "Columns", 1), 1);
    EXPECT_EQ(profile.readString("Layout", "Page Title", "Index"), "Index");
    EXPECT_FALSE(fileExists(path));

    profile.writeInt("Layout", "Columns", 3);
    EXPECT_EQ(TempFolder::contents(path), "[Layout]\nColumns=3\n");
    EXPECT_EQ(IniProfile(path).readInt("Layout", "Columns", 1), 3);
}

TEST(IniProfile, SectionsAndKeysMatchWithoutLetterCase)
{
    TempFolder folder;
    IniProfile profile(folder.file("p.ini"));
    profile.writeString("Html Tools", "Browser", "firefox");
    profile.writeString("HTML TOOLS", "browser", "lynx");
    profile.writeString("html tools", "Editor", "vi");
    EXPECT_EQ(profile.readString("Html Tools", "BROWSER", ""), "lynx");
    // One section and one key line: the first spelling stays.
    EXPECT_EQ(TempFolder::contents(profile.path()), "[Html Tools]\nBrowser=lynx\nEditor=vi\n");
}

TEST(IniProfile, IntegersReadLikeAPrivateProfile)
{
    TempFolder folder;
    const std::string path = folder.write("p.ini", "[S]\nplain=42\nsigned= -7\nlead=12abc\nword=abc\nempty=\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.readInt("S", "plain", 0), 42);
    EXPECT_EQ(profile.readInt("S", "signed", 0), -7);
    EXPECT_EQ(profile.readInt("S", "lead", 0), 12);
    EXPECT_EQ(profile.readInt("S", "word", 5), 0);
    EXPECT_EQ(profile.readInt("S", "empty", 5), 5);
    EXPECT_EQ(profile.readInt("S", "missing", 5), 5);
    EXPECT_EQ(profile.readInt("Other", "plain", 9), 9);
}

TEST(IniProfile, StringValuesRoundTripExactly)
{
    TempFolder folder;
    IniProfile profile(folder.file("p.ini"));
    const std::vector<std::string> values = {
        "", "  leading", "trailing  ", "\"quoted\"", "a=b;c [x]", "C:\\Program Files\\x.exe", "\"", "caf\xc3\xa9",
    };
    for (size_t i = 0; i < values.size(); ++i)
        profile.writeString("Values", "Key" + std::to_string(i), values[i]);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(profile.readString("Values", "Key" + std::to_string(i), "?"), values[i]) << i;

    // A line break cannot be stored on one line; it must not create a new key.
    profile.writeString("Values", "Broken", "one\nInjected=1");
    EXPECT_EQ(profile.readString("Values", "Broken", "?"), "one Injected=1");
    EXPECT_EQ(profile.readString("Values", "Injected", "none"), "none");
}

TEST(IniProfile, DeleteRemovesOnlyThatKey)
{
    TempFolder folder;
    IniProfile profile(folder.file("p.ini"));
    profile.writeInt("CSS", "Use Classes", 1);
    profile.writeInt("CSS", "Indent Method", 0);
    profile.writeInt("Layout", "Indent Method", 4);
    profile.deleteKey("css", "INDENT METHOD");
    EXPECT_EQ(profile.readInt("CSS", "Indent Method", 2), 2);
    EXPECT_EQ(profile.readInt("CSS", "Use Classes", 0), 1);
    EXPECT_EQ(profile.readInt("Layout", "Indent Method", 2), 4);
    profile.deleteKey("None", "Key");
    EXPECT_EQ(TempFolder::contents(profile.path()), "[CSS]\nUse Classes=1\n\n[Layout]\nIndent Method=4\n");
}

TEST(IniProfile, RewriteKeepsCommentsUnknownLinesAndLineEnds)
{
    TempFolder folder;
    const std::string original = "; written by hand\r\n"
                                 "[Torvane Options]\r\n"
                                 "Valid Extensions = htm ; html \r\n"
                                 "# a note\r\n"
                                 "odd line without equals\r\n"
                                 "\r\n"
                                 "[Torvane Window Size]\r\n"
                                 "Rect=1 2 3 4\r\n";
    const std::string path = folder.write("p.ini", original);
    IniProfile profile(path);
    EXPECT_EQ(profile.readString("Torvane Options", "Valid Extensions", ""), "htm ; html");

    profile.writeString("Torvane Options", "Valid Extensions", "htm;html");
    profile.writeInt("Torvane Options", "Prompt Tutorial", 0);
    EXPECT_EQ(TempFolder::contents(path), "; written by hand\r\n"
                                          "[Torvane Options]\r\n"
                                          "Valid Extensions =htm;html\r\n"
                                          "# a note\r\n"
                                          "odd line without equals\r\n"
                                          "Prompt Tutorial=0\r\n"
                                          "\r\n"
                                          "[Torvane Window Size]\r\n"
                                          "Rect=1 2 3 4\r\n");
}

TEST(IniProfile, TwoObjectsOnOneFileSeeEachOthersWrites)
{
    TempFolder folder;
    IniProfile first(folder.file("p.ini"));
    IniProfile second(folder.file("p.ini"));
    first.writeInt("A", "x", 1);
    second.writeInt("A", "y", 2);
    EXPECT_EQ(first.readInt("A", "y", 0), 2);
    EXPECT_EQ(second.readInt("A", "x", 0), 1);
}

TEST(IniProfile, ReadOnlyProfileIsLeftAlone)
{
    TempFolder folder;
    const std::string path = folder.write("p.ini", "[A]\nx=1\n");
    ::chmod(path.c_str(), 0444);
    IniProfile profile(path);
    profile.writeInt("A", "x", 2);
    profile.deleteKey("A", "x");
    EXPECT_EQ(TempFolder::contents(path), "[A]\nx=1\n");
    EXPECT_EQ(profile.readInt("A", "x", 0), 1);
}

TEST(IniProfile, UnreadableProfileIsNeverReplaced)
{
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0777);
    const std::string path = folder.write("p.ini", "[A]\nx=1\n");
    ::chmod(path.c_str(), 0200);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), testing::unprivilegedId, testing::unprivilegedId), 0);
    }
    const int readBack = testing::runUnprivileged([&] {
        IniProfile profile(path);
        const int value = profile.readInt("A", "x", 7);
        profile.writeInt("A", "y", 2);
        return value;
    });
    EXPECT_EQ(readBack, 7);
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(TempFolder::contents(path), "[A]\nx=1\n");
}

class ProfileLocation : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"TORVANE_PROFILE", "XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(ProfileLocation, EnvironmentChoosesTheFile)
{
    ::setenv("HOME", "/home/ann", 1);
    EXPECT_EQ(defaultProfilePath(), "/home/ann/.config/torvane/Torvane.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(defaultProfilePath(), "/home/ann/.config/torvane/Torvane.ini");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(defaultProfilePath(), "/cfg/torvane/Torvane.ini");
    ::setenv("TORVANE_PROFILE", "/tmp/other.ini", 1);
    EXPECT_EQ(defaultProfilePath(), "/tmp/other.ini");
}

} // namespace
} // namespace torvane
