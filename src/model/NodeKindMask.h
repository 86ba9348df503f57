#pragma once

namespace torvane {

// Bits with which callers query the project tree (collect, count).
struct NodeKindMask {
    static constexpr unsigned Root = 0x1;
    static constexpr unsigned LocalFiles = 0x2;
    static constexpr unsigned ExternalUrls = 0x4;
    static constexpr unsigned Locators = 0x8;
    static constexpr unsigned Folder = 0x10;
    static constexpr unsigned File = 0x20;
    static constexpr unsigned Target = 0x40;
    static constexpr unsigned Url = 0x80;
    // Index entries of files, targets and external URLs.
    static constexpr unsigned Entries = 0x100;
    static constexpr unsigned Locator = 0x200;
    static constexpr unsigned CrossReferences = 0x400;
    // Only selected nodes; with Entries or CrossReferences, only the records
    // of selected holders and locators.
    static constexpr unsigned SelectedOnly = 0x8000;
    // Every node kind and no records: the display order of the tree.
    static constexpr unsigned AllNodes = 0xAFF;
};

} // namespace torvane
