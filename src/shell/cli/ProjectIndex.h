#pragma once
#include "platform/AppServices.h"

namespace torvane {

class CProjectDoc;

// Make Index on an open project: its tree, style settings, output names and
// folder. Returns true when every enabled output was written.
bool makeProjectIndex(CProjectDoc& document, AppServices& services, bool mayOpenResult);

} // namespace torvane
