#pragma once

#include "game/game_state.h"

#include <string>
#include <string_view>

namespace lumble {

struct LetterCheckResult {
    bool beep = false;          // a wrong letter
    bool wordCompleted = false; // this letter finished the word
};

// Checks one letter, typed or given as a hint, against the next letter of
// PhraseToSpell and updates the mask, position, points and finished flag.
// The caller refreshes the caption and the phrase text on every path and shows
// the completion banner when the word was completed.
LetterCheckResult checkLetter(GameState& state, std::string_view letter, bool hint);

// The letter expected next: the character of PhraseToSpell at intCurrentLetter.
std::string expectedLetter(const GameState& state);

// "points: " and the points still available.
std::string pointsCaption(int countAvailable);

} // namespace lumble
