#include "sources/BlockRecords.h"

#include <array>

namespace torvane {

namespace {

// Field order of a stored entry line; the pending values are kept in it.
constexpr std::array<std::string_view, 7> storedFields{"IndexAs", "SortAs", "HelpAs", "HelpTitle",
                                                      "IndexTarget", "HelpWindow", "HelpFrame"};
enum StoredField { IndexAs, SortAs, HelpAs, HelpTitle, IndexTarget, HelpWindow, HelpFrame };

// Order in which an emitted record lists its fields.
constexpr std::array<StoredField, 7> recordOrder{IndexAs, HelpAs, HelpTitle, SortAs,
                                                 IndexTarget, HelpWindow, HelpFrame};

class RecordGrouper {
public:
    explicit RecordGrouper(NameValueList& out) : out_(out) {}

    // Takes one pair as it stands in the block; unknown keys are skipped.
    // Line ends in a key would have become spaces, which no known key holds,
    // so keys are compared as they stand.
    void take(std::string_view key, std::string_view value)
    {
        if (key == "Target" || key == "IndexAs")
            flush();
        if (key == "Target") {
            assignWithLineEndsAsSpaces(out_.emplace_back("Target", std::string()).second, value);
            targetJustOpened_ = true;
            return;
        }
        for (std::size_t i = 0; i < storedFields.size(); ++i) {
            if (key == storedFields[i]) {
                assignWithLineEndsAsSpaces(pending_[i], value);
                return;
            }
        }
    }

    // Emits the pending record; an entry line with an empty IndexAs yields none.
    void flush()
    {
        if (pending_[IndexAs].empty() && !targetJustOpened_)
            return;
        if (pending_[HelpAs].empty())
            pending_[HelpAs] = pending_[IndexAs];
        if (pending_[HelpTitle].empty())
            pending_[HelpTitle] = "Untitled";
        for (StoredField field : recordOrder) {
            out_.emplace_back(std::string(storedFields[field]), std::move(pending_[field]));
            pending_[field].clear();
        }
        targetJustOpened_ = false;
    }

private:
    NameValueList& out_;
    std::array<std::string, 7> pending_;
    bool targetJustOpened_ = false;
};

} // namespace

NameValueList readBlockRecords(std::string_view commentText)
{
    const std::size_t start = commentText.find("<!-- HTML Torvane");
    if (start == std::string_view::npos)
        return {};
    std::string_view block = commentText.substr(start);
    block = block.substr(0, block.find("HTML Torvane -->"));
    const std::size_t firstTarget = block.find("Target=\"");
    if (firstTarget == std::string_view::npos)
        return {};
    NameValueList records;
    // A stored target with one entry line takes about 130 bytes and gives 15
    // pairs; room for them up front saves moving every pair as the list grows.
    records.reserve(block.size() / 8);
    RecordGrouper grouper(records);
    PairReader reader(block.substr(firstTarget));
    std::string_view key;
    std::string_view value;
    while (reader.next(key, value))
        grouper.take(key, value);
    grouper.flush();
    return records;
}

} // namespace torvane
