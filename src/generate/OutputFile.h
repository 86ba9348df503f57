#pragma once
#include "generate/TextDrain.h"
#include "platform/AtomicFileStream.h"
#include <string>

namespace torvane {

// An index file streamed into place: opened, fed line by line, then put in
// place at once, so a failed run leaves the earlier file as it was.
class OutputFile : public TextDrain {
public:
    bool open(const std::string& path) { return !file_.open(path).failed(); }
    void take(std::string_view lines) override { file_.write(lines); }
    // False when any step failed; the earlier file is then untouched.
    bool commit() { return !file_.commit().failed(); }

private:
    AtomicFileStream file_;
};

} // namespace torvane
