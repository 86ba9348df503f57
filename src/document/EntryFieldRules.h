#pragma once
#include "document/EntryValues.h"
#include <string>
#include <string_view>

namespace torvane {

// The checks and tidying of the entry dialogs, shared with the command line.

// What can be wrong with the fields the user typed in their stored, escaped
// form; each kind is reported once however many fields show it.
struct FieldProblems {
    bool required = false;
    bool marker = false;
    bool quote = false;
    bool backslash = false;
    // A line break or NUL byte: no page's index block can give it back.
    bool lineBreak = false;

    bool any() const { return required || marker || quote || backslash || lineBreak; }
    void add(const FieldProblems& other)
    {
        required = required || other.required;
        marker = marker || other.marker;
        quote = quote || other.quote;
        backslash = backslash || other.backslash;
        lineBreak = lineBreak || other.lineBreak;
    }
};

// A backslash that escapes neither a comma, a double quote nor a backslash.
bool hasStrayBackslash(std::string_view text);
// A double quote that no backslash escapes.
bool hasBareQuote(std::string_view text);
// Text that would end or open the comment block the entries are kept in.
bool hasBlockMarker(std::string_view text);
// Runs the checks on a non-empty field.
void checkStoredField(std::string_view text, FieldProblems& problems);
// The text of the message box that lists the problems.
std::string problemMessage(const FieldProblems& problems);

// Exactly ", " at every unescaped comma; trailing white space removed.
std::string normaliseCommas(std::string_view text);
// The help outputs take an escaped double quote as "&quot;"; bare quotes
// and a trailing backslash are dropped.
std::string convertHelpEscapes(std::string_view text);

// Trims the four text fields in place and checks them; the target fields
// are left alone.
FieldProblems checkEntryTexts(IndexEntryValues& values);
// Trims the three target fields in place and checks them; none is required.
FieldProblems checkEntryTargets(IndexEntryValues& values);
// The texts as they are stored once they have passed the checks.
void finishEntryTexts(IndexEntryValues& values);

// The values of a fresh add dialog, and those after an Add that clears.
IndexEntryValues blankEntryValues();

inline constexpr const char* kUntitled = "Untitled";

} // namespace torvane
