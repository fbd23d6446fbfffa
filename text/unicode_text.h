#pragma once

#include <string>
#include <string_view>

namespace lumble {

// All text inside the game is UTF-8 in Unicode normalisation form C, so that a
// name stored decomposed on disk counts, compares and masks like a composed one.
// Bytes that are not valid UTF-8 become U+FFFD.
std::string toNfc(std::string_view utf8);

// Length in characters (code points of the NFC text).
int characterCount(std::string_view text);

// The character at a 1-based position; empty past the end or before the start.
std::string characterAt(std::string_view text, int position);

// The text with its character at a 1-based position replaced; unchanged when
// the position lies outside the text.
std::string replaceCharacterAt(std::string_view text, int position, std::string_view replacement);

// Equal ignoring letter case, by Unicode simple case folding character for
// character: É equals é, Σ equals σ and ς. Texts of different lengths differ.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A key for ignoring case in dictionaries: equal keys for texts that
// equalsIgnoringCase() calls equal.
std::string caseFoldKey(std::string_view text);

} // namespace lumble
