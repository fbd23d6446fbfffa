#include "game/phrase.h"

#include "text/fields.h"
#include "text/unicode_text.h"

#include <vector>

namespace lumble {

namespace {

// The random choice draws only among words that have letters: an empty word
// (from a leading, trailing or doubled space) could never be finished.
std::string drawWord(const std::vector<std::string>& words, RandomSource& random)
{
    std::vector<const std::string*> candidates;
    for (const auto& word : words) {
        if (!word.empty())
            candidates.push_back(&word);
    }
    if (candidates.empty())
        return {};
    return *candidates[random.below(candidates.size())];
}

} // namespace

std::string phraseOfName(std::string_view name)
{
    return field(name, '.', 1);
}

PhrasePieces WordSelectSpell(std::string_view name, std::string_view phrase, RandomSource& random)
{
    PhrasePieces pieces;
    const auto words = splitAtSpaces(phrase);
    if (fieldCount(name, '.') > 2) {
        const std::string target = field(name, '.', 2);
        for (const auto& word : words) {
            if (equalsIgnoringCase(word, target))
                pieces.PhraseToSpell = word;
        }
        if (pieces.PhraseToSpell.empty())
            pieces.warning = "Warning '" + target + "' not found!";
    }
    if (pieces.PhraseToSpell.empty())
        pieces.PhraseToSpell = drawWord(words, random);
    pieces.PhraseToSpellMask.assign(static_cast<std::size_t>(characterCount(pieces.PhraseToSpell)), '*');

    // Built from the end, so the last word equal to the word to spell is the one masked.
    bool met = false;
    for (auto word = words.rbegin(); word != words.rend(); ++word) {
        const bool moreWords = std::next(word) != words.rend();
        if (!met && !equalsIgnoringCase(*word, pieces.PhraseToSpell)) {
            pieces.PhraseToSpellEnd.insert(0, *word).insert(0, 1, ' ');
        } else if (!met) {
            met = true;
            if (moreWords)
                pieces.PhraseToSpellStart = " ";
        } else {
            pieces.PhraseToSpellStart.insert(0, *word);
            if (moreWords)
                pieces.PhraseToSpellStart.insert(0, 1, ' ');
        }
    }
    return pieces;
}

std::string maskedPhrase(std::string_view start, std::string_view mask, std::string_view end)
{
    std::string text;
    text.reserve(start.size() + mask.size() + end.size());
    text.append(start).append(mask).append(end);
    return text;
}

} // namespace lumble
