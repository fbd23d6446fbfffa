#pragma once

#include "game/game_state.h"
#include "game/letter_check.h"

#include <string>

namespace lumble::bench {

// The key a child would press next on the word page: Return once the word is
// done, otherwise mostly the right letter and every third key a wrong one.
inline std::string nextKey(const GameState& state, int press)
{
    if (state.boolWordFinished)
        return "\r";
    return press % 3 == 0 ? "z" : expectedLetter(state);
}

} // namespace lumble::bench
