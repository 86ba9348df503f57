// Writes the manual page and the shell completions at build time, from the
// same table of subcommands and options that the program's --help prints.
#include "shell/cli/ManPage.h"
#include "shell/cli/ShellCompletions.h"
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::function<void(std::ostream&)>& write)
{
    std::ofstream out(path, std::ios::binary);
    write(out);
    out.close();
    if (!out)
        std::cerr << "make_shell_files: cannot write " << path << "\n";
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "Usage: make_shell_files OUTPUT-FOLDER VERSION DOC-FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::string version = argv[2];
    const std::string docFolder = argv[3];
    const bool written =
        writeFile(folder + "/torvane.1", [&](std::ostream& out) { torvane::writeManPage(out, version, docFolder); }) &&
        writeFile(folder + "/torvane.bash", [](std::ostream& out) { torvane::writeBashCompletion(out); }) &&
        writeFile(folder + "/_torvane", [](std::ostream& out) { torvane::writeZshCompletion(out); }) &&
        writeFile(folder + "/torvane.fish", [](std::ostream& out) { torvane::writeFishCompletion(out); });
    return written ? 0 : 1;
}
