#pragma once

#include "library/substitution.h"
#include "platform/folder_lister.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumble {

// The main window's game state, with the values it has when the window is created.
struct GameState {
    // Words leave from the front, so a deque keeps every advance cheap in long lists.
    std::deque<FolderEntry> WordList;
    std::optional<FolderEntry> WordFile;
    std::optional<FolderEntry> WordFolder;
    bool boolWordFinished = false;
    std::int32_t CountCorrect = 0;
    std::int32_t CountViewed = 0;
    std::string PhraseToSpell;
    std::string PhraseToSpellStart;
    std::string PhraseToSpellEnd;
    std::string PhraseToSpellMask;
    std::int32_t intCurrentLetter = 0;
    std::int32_t CountAvailable = 0;
    std::optional<SubstitutionTable> CharacterSubstitution;
};

} // namespace lumble
