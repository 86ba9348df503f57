#include "shell/desktop/FreedMemory.h"
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace torvane {

void coalesceFreedBlocksAtOnce()
{
#if defined(__GLIBC__)
    mallopt(M_MXFAST, 0);
#endif
}

} // namespace torvane
