#include "sources/CHtmlFile.h"

#include "platform/DeferredReplacements.h"
#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include "platform/TextUtil.h"
#include "sources/PageReader.h"
#include "sources/SearchText.h"

#include <algorithm>

namespace torvane {

namespace {

HtmlFileError errorCodeOf(FileOperation operation)
{
    switch (operation) {
    case FileOperation::OpenInput:
        return HtmlFileOpenInput;
    case FileOperation::OpenOutput:
        return HtmlFileOpenOutput;
    case FileOperation::Read:
        return HtmlFileRead;
    case FileOperation::Write:
        return HtmlFileWrite;
    case FileOperation::CloseInput:
    case FileOperation::CloseOutput:
    case FileOperation::Delete: // not a step of reading or writing a page
        break;
    }
    return HtmlFileClose;
}

} // namespace

CHtmlFile::CHtmlFile(FileReports& reports)
    : reports_(reports)
{
}

void CHtmlFile::fail(const FileFailure& failure)
{
    errorCode_ = errorCodeOf(failure.operation);
    reports_.logFileError(failure);
}

void CHtmlFile::ReadSource()
{
    std::string text;
    FileState state;
    const FileResult read = readWholeFile(path_, text, state);
    const PageReadResult result = judgePageRead(read, state);
    exists_ = result.exists;
    if (!exists_)
        errorCode_ = HtmlFileMissing;
    readOnly_ = result.readOnly;
    readSucceeded_ = result.readSucceeded;
    partialText_ = result.partial;
    readIdentity_ = result.identity;
    spliceLog_.clear();
    if (read.failed()) {
        fail(read.failure());
        if (read.failure().operation == FileOperation::OpenInput)
            return;
    }
    replaceWholeText(std::move(text));
}

void CHtmlFile::WriteSource(DeferredReplacements* later, const std::optional<FileIdentity>& expected)
{
    exists_ = !path_.empty() && fileExists(path_);
    if (!exists_)
        errorCode_ = HtmlFileMissing;

    // Writing a text that was read only in part, or a page holding a NUL byte
    // that other tools would cut short, could lose the user's page.
    if (partialText_ || wholeText_.find('\0') != std::string::npos) {
        writeSucceeded_ = false;
        fail(FileFailure {FileOperation::OpenOutput, path_, CauseInvalidFile, 0});
        return;
    }
    const FileResult written =
        later ? later->write(path_, wholeText_, expected) : writeFileAtomically(path_, wholeText_, expected);
    writeSucceeded_ = !written.failed();
    if (!written.failed())
        return;
    fail(written.failure());
    logIfReplaced(reports_, written.failure());
}

void CHtmlFile::setWholeText(std::string text)
{
    partialText_ = false;
    spliceLog_.clear();
    replaceWholeText(std::move(text));
}

void CHtmlFile::replaceWholeText(std::string text)
{
    wholeText_ = std::move(text);
    // Free the old copies first: large pages are held several times over.
    strippedText_ = commentText_ = std::string();
    std::vector<Segment> rawText;
    segments_ = cutSegments(wholeText_, &rawText);
    // A page without comments is its own text outside comments: no copy.
    strippedIsWhole_ = segments_.size() == 1;
    if (!strippedIsWhole_)
        strippedText_ = joinSegments(wholeText_, segments_, 0);
    commentText_ = joinSegments(wholeText_, segments_, 1);
    commentEnds_ = commentEnds(segments_);
    rawTextSpans_.clear();
    // Script and style contents lie in the text outside comments: move them to its offsets.
    std::size_t running = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < segments_.size() && next < rawText.size(); i += 2) {
        const Segment& piece = segments_[i];
        while (next < rawText.size() && rawText[next].offset < piece.offset + piece.length) {
            const std::size_t start = running + rawText[next].offset - piece.offset;
            rawTextSpans_.push_back({static_cast<std::ptrdiff_t>(start), rawText[next].length});
            ++next;
        }
        running += piece.length;
    }
}

void logIfReplaced(FileReports& reports, const FileFailure& failure)
{
    if (failure.osError == kReplacedFileError)
        reports.logPageProblem(failure.fileName + ": " + std::string(kReplacedPageProblem));
}

bool CHtmlFile::startsWithByteOrderMark() const
{
    return wholeText_.starts_with(utf8ByteOrderMark);
}

bool startsAsUtf16(std::string_view text)
{
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

bool CHtmlFile::isUtf16() const
{
    return startsAsUtf16(wholeText_);
}

bool CHtmlFile::isXhtml() const
{
    std::string_view text(wholeText_);
    if (startsWithByteOrderMark())
        text.remove_prefix(utf8ByteOrderMark.size());
    // Meta tags written before keep their form, so that a save never flips it.
    constexpr std::string_view written = "<meta name=\"indexgenerator\" content=\"html torvane\"";
    if (const std::string tags = metaPointText(); startsWithSearchCopy(tags, written))
        return tags.size() > written.size() && tags[written.size()] == '/';
    if (startsWithSearchCopy(trimLeft(text), "<?xml"))
        return true;
    // The namespace counts on the html tag only, never in text a save replaces.
    const std::string_view stripped = strippedText();
    std::size_t tag = findInSearchCopy(stripped, "<html");
    while (tag != std::string::npos && tag + 5 < stripped.size() && searchByte(stripped[tag + 5]) != ' ' &&
           stripped[tag + 5] != '>')
        tag = findInSearchCopy(stripped, "<html", tag + 1);
    if (tag == std::string::npos)
        return false;
    const std::size_t tagEnd = findInSearchCopy(stripped, ">", tag);
    const std::string_view html = stripped.substr(tag, tagEnd == std::string::npos ? tagEnd : tagEnd - tag);
    return findInSearchCopy(html, "xmlns=\"http://www.w3.org/1999/xhtml\"") != std::string::npos;
}

std::string_view CHtmlFile::segment(std::size_t index) const
{
    const Segment& piece = segments_.at(index);
    return std::string_view(wholeText_).substr(piece.offset, piece.length);
}

void CHtmlFile::ScanPage()
{
    scanned_ = scanPage(wholeText_);
}

void CHtmlFile::ScanInsertionPoints()
{
    if (rawTextSpans_.empty()) {
        points_ = findInsertionPoints(strippedText(), commentText_, commentEnds_);
        return;
    }
    // Markup inside a script or style element is no place to put anything.
    std::string masked(strippedText());
    for (const TextSpan& span : rawTextSpans_)
        masked.replace(static_cast<std::size_t>(span.position), span.length, span.length, ' ');
    points_ = findInsertionPoints(masked, commentText_, commentEnds_);
}

// The parts of the whole text that a span of the stripped text (kind 0) or
// of the comment text (kind 1) covers; a span may run over several pieces.
std::vector<Segment> CHtmlFile::piecesOf(std::size_t kind, const TextSpan& span, std::size_t* offsetInSegment) const
{
    std::vector<Segment> pieces;
    const auto start = static_cast<std::size_t>(span.position);
    const std::size_t end = start + span.length;
    std::size_t running = 0;
    for (std::size_t i = kind; i < segments_.size() && running < end; i += 2) {
        const Segment& piece = segments_[i];
        const std::size_t pieceEnd = running + piece.length;
        if (pieceEnd > start) {
            const std::size_t from = std::max(start, running);
            if (pieces.empty() && offsetInSegment)
                *offsetInSegment = from - running;
            pieces.push_back({piece.offset + from - running, std::min(end, pieceEnd) - from});
        }
        running = pieceEnd;
    }
    return pieces;
}

// Puts `text` where the first piece starts and drops every piece.
void CHtmlFile::replacePieces(const std::vector<Segment>& pieces, std::string_view text)
{
    if (pieces.empty())
        return;
    std::vector<PageSplice> splices;
    for (const Segment& piece : pieces)
        splices.push_back({piece.offset, piece.length, splices.empty() ? std::string(text) : std::string()});
    applySplices(std::move(splices));
}

void CHtmlFile::applySplices(std::vector<PageSplice> splices)
{
    std::sort(splices.begin(), splices.end(),
              [](const PageSplice& a, const PageSplice& b) { return a.offset < b.offset; });
    // Two ranges over the same bytes would cut into the user's text: the later one is left out.
    std::vector<PageSplice> kept;
    for (PageSplice& splice : splices) {
        const bool overlaps = !kept.empty() && splice.offset < kept.back().offset + kept.back().length;
        if (!overlaps && splice.offset + splice.length <= wholeText_.size())
            kept.push_back(std::move(splice));
    }
    std::string result;
    std::size_t added = 0;
    for (const PageSplice& splice : kept)
        added += splice.text.size();
    result.reserve(wholeText_.size() + added);
    const std::string_view whole(wholeText_);
    std::size_t pos = 0;
    for (const PageSplice& splice : kept) {
        result.append(whole.substr(pos, splice.offset - pos)).append(splice.text);
        pos = splice.offset + splice.length;
    }
    result.append(whole.substr(pos));
    spliceLog_.push_back(std::move(kept));
    replaceWholeText(std::move(result));
}

// Where a head element made for a page without "</head>" goes: after the
// html tag, else after the doctype, else at the very start (after a byte
// order mark and an XML declaration). A charset declaration that is within the first 1,024 bytes,
// where browsers look for it, is not pushed out of reach: the head then
// follows it.
std::size_t CHtmlFile::newHeadOffset(bool& afterTag) const
{
    std::size_t offset = startsWithByteOrderMark() ? utf8ByteOrderMark.size() : 0;
    afterTag = false;
    // An XML declaration must stay the first thing in the file.
    if (startsWithSearchCopy(std::string_view(wholeText_).substr(offset), "<?xml")) {
        // One that another tag cuts short ends where that tag does: no place for a head.
        const std::size_t declarationEnd = wholeText_.find_first_of("<>", offset + 1);
        if (declarationEnd != std::string::npos && wholeText_[declarationEnd] == '>') {
            offset = declarationEnd + 1;
            afterTag = true;
        }
    }
    if (points_.htmlTag.found() || points_.doctype.found()) {
        const TextSpan& tag = points_.htmlTag.found() ? points_.htmlTag : points_.doctype;
        const Segment last = piecesOf(0, tag, nullptr).back();
        offset = last.offset + last.length;
        afterTag = true;
    }
    if (points_.charset.found()) {
        const Segment charset = piecesOf(0, points_.charset, nullptr).back();
        const std::size_t charsetEnd = charset.offset + charset.length;
        if (charsetEnd > offset && charsetEnd <= charsetReach) {
            offset = charsetEnd;
            afterTag = true;
        }
    }
    return offset;
}

void CHtmlFile::insertIntoHead(std::string_view text)
{
    const std::string_view crlf = "\r\n";
    std::string inserted;
    std::size_t offset = 0;
    bool afterTag = false;
    if (points_.headEnd.found()) {
        offset = piecesOf(0, points_.headEnd, nullptr).front().offset;
        inserted.append("  ").append(text).append(crlf);
    } else if (offset = newHeadOffset(afterTag); afterTag) {
        inserted.append("\r\n<head>\r\n  ").append(text).append("\r\n</head>");
    } else {
        inserted.append("<head>\r\n  ").append(text).append("\r\n</head>\r\n");
    }
    replacePieces({{offset, 0}}, inserted);
}

// Takes out the further blocks of a damaged page, each with the blanks
// before it and the line end after it when it stands on a line of its own.
void CHtmlFile::removeExtraBlocks()
{
    if (points_.extraBlocks.empty())
        return;
    const std::string_view whole(wholeText_);
    std::vector<PageSplice> doomed;
    for (const TextSpan& span : points_.extraBlocks) {
        for (Segment piece : piecesOf(1, span, nullptr)) {
            std::size_t from = piece.offset;
            while (from > 0 && (whole[from - 1] == ' ' || whole[from - 1] == '\t'))
                --from;
            std::size_t to = piece.offset + piece.length;
            const bool ownLine = from == 0 || whole[from - 1] == '\n';
            if (ownLine && whole.substr(to).starts_with("\r\n"))
                to += 2;
            else if (ownLine && whole.substr(to).starts_with("\n"))
                to += 1;
            else
                from = piece.offset, to = piece.offset + piece.length;
            doomed.push_back({from, to - from, {}});
        }
    }
    applySplices(std::move(doomed));
}

void CHtmlFile::PutMetaTags(std::string_view metaText)
{
    if (points_.meta.found()) {
        std::size_t offsetInSegment = 0;
        std::vector<Segment> pieces = piecesOf(points_.metaInComments ? 1 : 0, points_.meta, &offsetInSegment);
        // Removing the tags also removes the line start that was written with them.
        Segment& first = pieces.front();
        if (metaText.empty() && offsetInSegment >= 4 &&
            std::string_view(wholeText_).substr(first.offset - 4, 4) == "\r\n  ") {
            first.offset -= 4;
            first.length += 4;
        }
        replacePieces(pieces, metaText);
    } else if (metaText.empty()) {
        return;
    } else {
        insertIntoHead(metaText);
    }
    ScanInsertionPoints();
}

std::string CHtmlFile::metaPointText() const
{
    std::string text;
    if (points_.meta.found())
        for (const Segment& piece : piecesOf(points_.metaInComments ? 1 : 0, points_.meta, nullptr))
            text.append(wholeText_, piece.offset, piece.length);
    return text;
}

void CHtmlFile::PutCommentBlock(std::string_view blockText)
{
    if (points_.block.found())
        replacePieces(piecesOf(1, points_.block, nullptr), blockText);
    else
        insertIntoHead(blockText);
    ScanInsertionPoints();
    // Taking a block out can show another that a broken comment hid; each
    // round takes text away, so this ends.
    while (!points_.extraBlocks.empty()) {
        removeExtraBlocks();
        ScanInsertionPoints();
    }
}

void CHtmlFile::RemoveEntries()
{
    PutMetaTags("");
    // Each round takes text away; a block that cannot be cut out ends it.
    for (std::size_t size = wholeText_.size() + 1; points_.block.found() && wholeText_.size() < size;) {
        size = wholeText_.size();
        const std::vector<Segment> pieces = piecesOf(1, points_.block, nullptr);
        std::size_t start = pieces.front().offset;
        std::size_t end = pieces.back().offset + pieces.back().length;
        const std::string_view whole(wholeText_);
        if (start >= 2 && whole.substr(start - 2, 2) == "  ")
            start -= 2;
        if (whole.substr(end, 2) == "\r\n")
            end += 2;
        applySplices({PageSplice {start, end - start, std::string()}});
        ScanInsertionPoints();
    }
}

} // namespace torvane
