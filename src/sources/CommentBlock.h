#pragma once
#include <string>
#include <string_view>

namespace torvane {

class IndexEntry;
class SourceFile;

// Where an entry line goes: the project file holds values exactly as held;
// a page's block breaks up comment markers in them (StoredValues.h).
enum class FieldForm { ProjectFile, PageBlock, XhtmlBlock };

// The stored form of one entry's seven fields, values as held (already
// escaped): IndexAs="..",SortAs="..",HelpAs="..",HelpTitle="..",
// IndexTarget="..",HelpWindow="..",HelpFrame=".."
std::string storedEntryFields(const IndexEntry& entry, FieldForm form = FieldForm::ProjectFile);

// The same form with every value empty: marks an excluded holder.
inline constexpr std::string_view emptyEntryFields =
    "IndexAs=\"\",SortAs=\"\",HelpAs=\"\",HelpTitle=\"\",IndexTarget=\"\",HelpWindow=\"\",HelpFrame=\"\"";

// The index comment block of a page, CR LF line ends, without white space
// around it: the page's own target "#" and then its targets in model order;
// an excluded target is listed with the empty entry line, a target in default
// mode is left out, any other target lists its entries. The entries kept for
// targets the page no longer has follow, under their old names.
std::string buildCommentBlock(const SourceFile& file, bool xml = false);

// The generator and keywords meta tags (keywords: the unescaped SortAs of the
// page's own entries, double quotes dropped, one space between), or an empty
// text when the page itself is excluded or in default mode. "<" and ">" in
// keywords are written as character references; XHTML pages (`xml`) get
// closed tags.
std::string buildMetaTags(const SourceFile& file, bool xml = false);

} // namespace torvane
