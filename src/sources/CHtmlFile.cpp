#include "sources/CHtmlFile.h"

#include "platform/DeferredReplacements.h"
#include "platform/FileAccess.h"
#include "platform/FileReports.h"
#include "sources/BlockRecords.h"

#include <algorithm>

namespace torvane {

namespace {

int codeOfOperation(std::string_view operation)
{
    if (operation == "Open Input")
        return HtmlFileOpenInput;
    if (operation == "Open Output")
        return HtmlFileOpenOutput;
    if (operation == "Read")
        return HtmlFileRead;
    if (operation == "Write")
        return HtmlFileWrite;
    return HtmlFileClose;
}

} // namespace

CHtmlFile::CHtmlFile(FileReports& reports) : reports_(reports) {}

void CHtmlFile::fail(int code, const FileFailure& failure)
{
    errorCode_ = code;
    reports_.logFileError(failure);
}

void CHtmlFile::ReadSource()
{
    std::string text;
    FileState state;
    const std::optional<FileFailure> failure = readWholeFile(path_, text, state);
    exists_ = state.exists;
    if (!exists_)
        errorCode_ = HtmlFileMissing;
    readOnly_ = state.readOnly;
    partialText_ = false;
    readSucceeded_ = true;
    if (failure) {
        const int code = codeOfOperation(failure->operation);
        fail(code, *failure);
        if (code == HtmlFileOpenInput) {
            readSucceeded_ = false;
            return;
        }
        if (code == HtmlFileRead) {
            readSucceeded_ = false;
            partialText_ = true;
        }
    }
    replaceWholeText(std::move(text));
}

void CHtmlFile::WriteSource(DeferredReplacements* later)
{
    exists_ = !path_.empty() && fileExists(path_);
    if (!exists_)
        errorCode_ = HtmlFileMissing;

    // Writing a text that was read only in part, or a page holding a NUL byte
    // that other tools would cut short, could lose the user's page.
    if (partialText_ || wholeText_.find('\0') != std::string::npos) {
        writeSucceeded_ = false;
        fail(HtmlFileOpenOutput, FileFailure{"Open Output", path_, CauseInvalidFile, 0});
        return;
    }
    const std::optional<FileFailure> failure =
        later ? later->write(path_, wholeText_) : writeFileAtomically(path_, wholeText_);
    writeSucceeded_ = !failure;
    if (failure)
        fail(codeOfOperation(failure->operation), *failure);
}

void CHtmlFile::setWholeText(std::string text)
{
    partialText_ = false;
    replaceWholeText(std::move(text));
}

void CHtmlFile::replaceWholeText(std::string text)
{
    wholeText_ = std::move(text);
    // Free the old copies first: large pages are held several times over.
    strippedText_ = commentText_ = std::string();
    segments_ = cutSegments(wholeText_);
    strippedText_ = joinSegments(wholeText_, segments_, 0);
    commentText_ = joinSegments(wholeText_, segments_, 1);
}

std::string_view CHtmlFile::segment(std::size_t index) const
{
    const Segment& piece = segments_.at(index);
    return std::string_view(wholeText_).substr(piece.offset, piece.length);
}

void CHtmlFile::ScanPage()
{
    headingText_ = findFirstHeading(strippedText_);
    titleText_ = findTitle(strippedText_);
    anchors_ = findAnchors(strippedText_);
    blockRecords_ = readBlockRecords(commentText_);
}

void CHtmlFile::ScanInsertionPoints()
{
    points_ = findInsertionPoints(strippedText_, commentText_);
}

// The parts of the whole text that a span of the stripped text (kind 0) or
// of the comment text (kind 1) covers; a span may run over several pieces.
std::vector<Segment> CHtmlFile::piecesOf(std::size_t kind, const TextSpan& span,
                                         std::size_t* offsetInSegment) const
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
    std::string result;
    result.reserve(wholeText_.size() + text.size());
    const std::string_view whole(wholeText_);
    result.append(whole.substr(0, pieces.front().offset));
    result.append(text);
    std::size_t pos = pieces.front().offset;
    for (const Segment& piece : pieces) {
        result.append(whole.substr(pos, piece.offset - pos));
        pos = piece.offset + piece.length;
    }
    result.append(whole.substr(pos));
    replaceWholeText(std::move(result));
}

void CHtmlFile::insertIntoHead(std::string_view text)
{
    const std::string_view crlf = "\r\n";
    std::string inserted;
    std::size_t offset = 0;
    if (points_.headEnd.found()) {
        offset = piecesOf(0, points_.headEnd, nullptr).front().offset;
        inserted.append("  ").append(text).append(crlf);
    } else if (points_.htmlTag.found() || points_.doctype.found()) {
        const TextSpan& tag = points_.htmlTag.found() ? points_.htmlTag : points_.doctype;
        const Segment last = piecesOf(0, tag, nullptr).back();
        offset = last.offset + last.length;
        inserted.append("\r\n<head>\r\n  ").append(text).append("\r\n</head>");
    } else {
        inserted.append("<head>\r\n  ").append(text).append("\r\n</head>\r\n");
    }
    replacePieces({{offset, 0}}, inserted);
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

void CHtmlFile::PutCommentBlock(std::string_view blockText)
{
    if (points_.block.found())
        replacePieces(piecesOf(1, points_.block, nullptr), blockText);
    else
        insertIntoHead(blockText);
    ScanInsertionPoints();
}

} // namespace torvane
