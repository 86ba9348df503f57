#pragma once

namespace torvane {

// What an index record is; the value is also the record's list image.
enum class EntryKind : int {
    TargetDefaultEmpty = 0, // default entry of a target without text
    FileDefaultEmpty = 1, // default entry of a file without heading/title, or unreadable
    UrlDefault = 2, // default entry of an external URL
    TargetDefaultText = 3, // default entry made from the target's text
    FileDefaultHeading = 4, // default entry made from the file's first heading
    FileDefaultTitle = 5, // default entry made from the file's title
    TargetEntry = 6, // regular entry of a target
    FileEntry = 7, // regular entry of a file
    UrlEntry = 8, // regular entry of an external URL
    CrossReference = 9,
};

} // namespace torvane
