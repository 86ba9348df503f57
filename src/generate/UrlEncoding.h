#pragma once
#include <string>
#include <string_view>

namespace torvane {

// A file path as a link writes it: every byte a browser, a help viewer or a
// URL parser would take as something other than part of the name (a blank,
// "#", "?", "%", "&", quotes and angle brackets, controls and every byte above
// ASCII) becomes "%XX", so that decoding the link gives the name's bytes.
std::string percentEncodedPath(std::string_view path);
// An anchor name as a page address encodes it after "#" (as a path, except
// that "#", "?" and "%" stay as they are), decoded again: only "%XX" of a byte
// that encoding would have encoded is taken for one.
std::string decodedFragment(std::string_view fragment);
// The address of a page in the project, relative to the index: its path
// encoded, and the anchor name, when there is one, after "#".
std::string pageAddress(std::string_view path, std::string_view anchor, bool hasAnchor);
// A URL as the user typed it keeps its own "%", "#" and "?"; only blanks,
// which no URL may hold, become "%20".
std::string externalAddress(std::string_view url);

} // namespace torvane
