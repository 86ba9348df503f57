#include "shell/desktop/Desktop.h"

// The desktop program, which `torvane` starts in its own place when asked for
// no command-line work.
int main(int argc, char** argv)
{
    return torvane::runDesktop(argc, argv);
}
