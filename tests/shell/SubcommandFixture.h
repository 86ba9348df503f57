#pragma once
#include "shell/cli/CommandLine.h"
#include "support/FixtureProject.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <sstream>

namespace torvane::test {

// A small project: a.htm with the anchor "red", sub/b.htm, one URL and one
// cross-reference; each test runs subcommands on it with its own profile.
class Subcommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("TORVANE_PROFILE", fixture.path("profile.ini").c_str(), 1);
        fixture.write("a.htm", pageText("Apples", {"red"}, "    Target=\"#\"\r\n" + storedEntry("Apples", "apples")));
        fixture.write("sub/b.htm", pageText("Pears"));
        fixture.writeProject({"a.htm", "sub\\b.htm"},
                             "URL=https://example.org/\r\n" + storedEntry("Example", "example"),
                             "Heading=\"Fruit\",Locator=\"Apples\"\r\n");
    }
    void TearDown() override { ::unsetenv("TORVANE_PROFILE"); }

    int run(std::vector<std::string> arguments)
    {
        out.str("");
        err.str("");
        return runCommandLine(parseCommandLine(arguments), "test", out, err);
    }
    // Runs NAME on the fixture's project with the arguments that follow.
    int on(const std::string& name, std::vector<std::string> arguments = {})
    {
        arguments.insert(arguments.begin(), {name, fixture.projectFile()});
        return run(arguments);
    }
    std::string project() const { return fixture.read("Fixture.ipj"); }

    FixtureProject fixture;
    std::ostringstream out, err;
};

} // namespace torvane::test
