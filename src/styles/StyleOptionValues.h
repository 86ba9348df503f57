#pragma once

namespace torvane {

// Names for the values of the enumerated style options. The options stay
// plain ints, as the files store them: a value outside these is kept as read.

// "Appearance" of the links to headings and of the group headings.
namespace Appearance {
inline constexpr int Text = 0;
inline constexpr int Graphics = 1;
} // namespace Appearance

// "Placement" of the links to headings.
namespace LinksPlacement {
inline constexpr int Top = 0;
inline constexpr int TopAndBottom = 1;
inline constexpr int SeparateFrame = 2;
} // namespace LinksPlacement

// "Symbols" of the links to headings and of the group headings.
namespace SymbolsOption {
inline constexpr int Include = 0;
inline constexpr int Omit = 1;
} // namespace SymbolsOption

// "Empty Headings": where a letter without entries goes.
namespace EmptyHeadings {
inline constexpr int MergePrevious = 0;
inline constexpr int MergeNext = 1;
inline constexpr int Omit = 2;
} // namespace EmptyHeadings

// "MultiLevel": how the lines below a top-level entry are laid out.
namespace MultiLevel {
inline constexpr int Hanging = 0;
inline constexpr int RunIn = 1;
} // namespace MultiLevel

// "Return": the link back to the top after each group.
namespace ReturnLink {
inline constexpr int None = 0;
inline constexpr int Text = 1;
inline constexpr int Image = 2;
} // namespace ReturnLink

// Every "... Path Type".
namespace PathType {
inline constexpr int Relative = 0; // to the base folder, written with "/"
inline constexpr int AsEntered = 1;
} // namespace PathType

// "Index Layout" of the Torvane extensions.
namespace IndexLayout {
inline constexpr int Classic = 0;
inline constexpr int Modern = 1;
} // namespace IndexLayout

} // namespace torvane
