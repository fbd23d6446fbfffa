#pragma once

#include "platform/random_source.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumble {

struct PhrasePieces {
    std::string PhraseToSpell;
    std::string PhraseToSpellStart;
    std::string PhraseToSpellMask;
    std::string PhraseToSpellEnd;
    // "Warning '<target>' not found!" when the name names a word the phrase lacks.
    std::optional<std::string> warning;

    bool operator==(const PhrasePieces&) const = default;
};

// The phrase a word item's name carries: the name up to its first ".".
std::string phraseOfName(std::string_view name);

// The word to spell and the three pieces of the masked phrase, from the item's
// name and its phrase. The named target is field 2 of a name of three or more
// fields; otherwise, or when the phrase lacks it, a word is drawn at random
// among the phrase's non-empty words. A phrase with no non-empty word gives an
// empty PhraseToSpell.
PhrasePieces WordSelectSpell(std::string_view name, std::string_view phrase, RandomSource& random);

// The masked phrase shown on the word page.
std::string maskedPhrase(std::string_view start, std::string_view mask, std::string_view end);

} // namespace lumble
