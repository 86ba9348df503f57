#pragma once
#include "platform/FileAccess.h"
#include "sources/InsertionPoints.h"
#include "sources/PageScan.h"
#include "sources/PageSegments.h"
#include "sources/PairReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

class DeferredReplacements;
class FileReports;

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
// Browsers look for a page's charset declaration in its first 1,024 bytes.
inline constexpr std::size_t charsetReach = 1024;
struct FileFailure;

// Why a page was not saved when another file or a link took its place.
inline constexpr std::string_view kReplacedPageProblem =
    "Another file or a link has taken the place of the page since it was read; it is left as it is and its "
    "index entries were not saved.";

// Tells a page refused because another file or a link took its place as a
// page problem, beside its file error.
void logIfReplaced(FileReports& reports, const FileFailure& failure);

// Whether a text starts with a UTF-16 byte order mark.
bool startsAsUtf16(std::string_view text);

// One change of a page's text: `length` bytes at `offset` give way to `text`.
struct PageSplice {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string text;
};

// Error codes of the last failed file operation of a CHtmlFile, and the
// results of rewriting a page.
enum HtmlFileError : int {
    HtmlFileOk = 0,
    HtmlFileMissing = 1, // path empty or no such file; never reported by itself
    HtmlFileOpenInput = 2, // "Open Input"; as a rewrite's result, any page that could not be read
    HtmlFileOpenOutput = 3, // "Open Output"
    HtmlFileRead = 4, // "Read"
    HtmlFileWrite = 5, // "Write"
    HtmlFileClose = 6, // "Close Input" or "Close Output"
};

// One local HTML page: read whole, cut into comment and non-comment pieces,
// scanned for its targets and its index comment block, given new meta tags
// and a new block, and written back whole. Create one per use and discard it.
//
// Loading a page:
//   CHtmlFile page(reports); page.setPath(p); page.ReadSource();
//   if (!page.exists())             -> missing
//   else if (!page.readSucceeded()) -> unreadable
//   else { page.ScanPage(); use headingText(), titleText(), anchors(), blockRecords() }
//
// Saving a page:
//   page.setPath(p); page.ReadSource();   (missing -> 1, unreadable -> 2)
//   page.ScanInsertionPoints();
//   page.PutMetaTags(buildMetaTags(file)); page.PutCommentBlock(buildCommentBlock(file));
//   page.WriteSource(); result = page.writeSucceeded() ? 0 : page.errorCode();
//
// Every file failure is logged by operation name into the FileReports given
// at construction and kept in errorCode(); nothing throws. Bytes outside the
// inserted or replaced texts are never changed, and a page is never written
// cut short: writes go through a temporary file (or keep a restore copy), and
// a page holding a NUL byte or whose last read failed part-way is refused at
// "Open Output".
class CHtmlFile {
public:
    explicit CHtmlFile(FileReports& reports);

    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }

    void ReadSource();
    // With `later`, the page goes to a temporary file and is put in place when
    // `later` finishes; a failure then is the caller's to report. With
    // `expected`, a page that another file or a link has taken the place of
    // is refused, and told as a page problem.
    void WriteSource(DeferredReplacements* later = nullptr, const std::optional<FileIdentity>& expected = {});

    // Replaces the text as if it had been read whole (pages built in memory).
    void setWholeText(std::string text);

    // The full scan: first heading, title, anchors and index block records.
    void ScanPage();

    // Finds where PutMetaTags and PutCommentBlock replace or insert.
    void ScanInsertionPoints();
    // An empty meta text removes existing generator meta tags.
    void PutMetaTags(std::string_view metaText);
    void PutCommentBlock(std::string_view blockText);
    // Takes the generator meta tags and every index block out of the page,
    // each with the line start and end that inserting it wrote.
    void RemoveEntries();

    bool exists() const { return exists_; }
    bool readSucceeded() const { return readSucceeded_; }
    // The file ReadSource read, when it could be opened.
    const std::optional<FileIdentity>& readIdentity() const { return readIdentity_; }
    bool isReadOnly() const { return readOnly_; }
    bool writeSucceeded() const { return writeSucceeded_; }
    HtmlFileError errorCode() const { return errorCode_; }

    const ScannedPage& scanned() const { return scanned_; }
    const std::string& headingText() const { return scanned_.headingText; }
    const std::string& titleText() const { return scanned_.titleText; }
    const std::vector<Anchor>& anchors() const { return scanned_.anchors; }
    // Flat (key, value) list: ("Target", name) then seven-pair records.
    const NameValueList& blockRecords() const { return scanned_.blockRecords; }
    // What was wrong with the index block when the page was scanned.
    const BlockDamage& blockDamage() const { return scanned_.blockDamage; }

    // Pages in XHTML (an XML declaration or the XHTML namespace) are given
    // closed tags and comments without "--"; meta tags found at the meta
    // point (ScanInsertionPoints) decide by their own form.
    bool isXhtml() const;
    // A page in UTF-16 (by its byte order mark) cannot be read or written.
    bool isUtf16() const;

    const std::string& wholeText() const { return wholeText_; }
    std::string_view strippedText() const { return strippedIsWhole_ ? std::string_view(wholeText_) : strippedText_; }
    const std::string& commentText() const { return commentText_; }
    // Even indexes: text outside comments; odd indexes: one comment each.
    std::size_t segmentCount() const { return segments_.size(); }
    std::string_view segment(std::size_t index) const;
    const InsertionPoints& insertionPoints() const { return points_; }
    // The text at the generator meta point, or empty when there is none.
    std::string metaPointText() const;
    // Every change made to the text since it was read, in batches: the
    // offsets of a batch refer to the text before it, its ranges ascend and
    // never overlap.
    const std::vector<std::vector<PageSplice>>& spliceLog() const { return spliceLog_; }

private:
    void replaceWholeText(std::string text);
    std::vector<Segment> piecesOf(std::size_t kind, const TextSpan& span, std::size_t* offsetInSegment) const;
    void replacePieces(const std::vector<Segment>& pieces, std::string_view text);
    void applySplices(std::vector<PageSplice> splices);
    void insertIntoHead(std::string_view text);
    std::size_t newHeadOffset(bool& afterTag) const;
    void removeExtraBlocks();
    bool startsWithByteOrderMark() const;
    void fail(const FileFailure& failure);

    FileReports& reports_;
    std::string path_;
    std::vector<Segment> segments_;
    std::string strippedText_; // only when the page has comments
    bool strippedIsWhole_ = false;
    std::string commentText_;
    bool exists_ = false;
    bool readSucceeded_ = false;
    bool readOnly_ = false;
    bool writeSucceeded_ = false;
    bool partialText_ = false;
    std::optional<FileIdentity> readIdentity_;
    HtmlFileError errorCode_ = HtmlFileOk;
    ScannedPage scanned_;
    std::vector<std::size_t> commentEnds_;
    std::vector<TextSpan> rawTextSpans_; // script and style elements, in the stripped text
    std::vector<std::vector<PageSplice>> spliceLog_;
    InsertionPoints points_;
    std::string wholeText_;
};

} // namespace torvane
