#pragma once
#include "platform/FileAccess.h"
#include <sys/stat.h>

namespace torvane {

// The identity of the file a status query described.
FileIdentity identityOf(const struct stat& info);

} // namespace torvane
