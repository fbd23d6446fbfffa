#include "game/letter_check.h"

#include "text/unicode_text.h"

namespace lumble {

std::string expectedLetter(const GameState& state)
{
    return characterAt(state.PhraseToSpell, state.intCurrentLetter);
}

LetterCheckResult checkLetter(GameState& state, std::string_view letter, bool hint)
{
    const std::string expected = expectedLetter(state);
    // A finished word, or a position outside it, has no letter left to match.
    if (state.boolWordFinished || expected.empty() || !equalsIgnoringCase(letter, expected))
        return {.beep = true, .wordCompleted = false};

    // The next hidden character sits at the current position: looking for the
    // first "*" would find a revealed letter when the word itself holds a "*".
    state.PhraseToSpellMask = replaceCharacterAt(state.PhraseToSpellMask, state.intCurrentLetter, letter);
    if (hint && state.CountAvailable > 0)
        --state.CountAvailable;
    if (characterCount(state.PhraseToSpell) == state.intCurrentLetter) {
        state.boolWordFinished = true;
        state.CountCorrect += state.CountAvailable;
        return {.beep = false, .wordCompleted = true};
    }
    ++state.intCurrentLetter;
    return {};
}

std::string pointsCaption(int countAvailable)
{
    return "points: " + std::to_string(countAvailable);
}

} // namespace lumble
