// Any sequence of key presses, hints, Starts and switches of the substitution
// table keeps every word within its bounds and every game's points consistent.
//
// Input, in three parts separated by NUL bytes: word item names, one a line;
// the lines of CharacterSubstitution.txt; then the actions. An action byte 0x01
// presses WordButton, 0x02 switches the check box, 0x03 presses Start or More,
// 0x04 holds the command key for the next key; anything else starts one typed
// key (a whole UTF-8 sequence, "\r" being Return). Random draws come from the
// actions too.
#include "fuzz/fuzz_random.h"
#include "fuzz/in_memory_platform.h"
#include "fuzz/require.h"
#include "game/game.h"
#include "support/fakes.h"
#include "text/fields.h"
#include "text/unicode_text.h"

#include <iostream>

namespace {

using namespace lumble;
using fuzzing::require;

std::string_view nextPart(std::string_view& input)
{
    const auto end = input.find('\0');
    const auto part = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return part;
}

// One whole UTF-8 sequence, judged by its first byte.
std::string_view nextKey(std::string_view& actions)
{
    const auto lead = static_cast<std::uint8_t>(actions.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const auto key = actions.substr(0, length);
    actions.remove_prefix(key.size());
    return key;
}

void checkWordPage(const GameState& state, const std::string& shown)
{
    const int length = characterCount(state.PhraseToSpell);
    require(length >= 1);
    require(state.intCurrentLetter >= 1 && state.intCurrentLetter <= length);
    require(state.CountAvailable <= length);
    require(characterCount(state.PhraseToSpellMask) == length);
    // Letters before the position are revealed, the rest still hidden.
    const int revealed = state.boolWordFinished ? length : state.intCurrentLetter - 1;
    for (int position = 1; position <= length; ++position) {
        const std::string shownLetter = characterAt(state.PhraseToSpellMask, position);
        if (position <= revealed)
            require(equalsIgnoringCase(shownLetter, characterAt(state.PhraseToSpell, position)));
        else
            require(shownLetter == "*");
    }
    const std::string phrase = state.PhraseToSpellStart + state.PhraseToSpell + state.PhraseToSpellEnd;
    require(characterCount(shown) == characterCount(phrase));
}

void checkInvariants(const GameState& state, const testing::FakeWindow& window)
{
    require(state.CountAvailable >= 0);
    require(state.CountCorrect >= 0 && state.CountCorrect <= state.CountViewed);
    if (window.currentPage == 1)
        checkWordPage(state, window.text(Control::WordTextbox));
    else
        require(state.WordList.empty());
}

} // namespace

// The game's notes to the adult on stderr would bury libFuzzer's own output.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view names = nextPart(input);
    const std::string_view substitutions = nextPart(input);
    std::string_view actions = input;

    const std::filesystem::path app("/app");
    fuzzing::InMemoryLister lister;
    lister.add(app / "words", "list");
    lister.add(app / "words" / "list", "group");
    const int nameCount = fieldCount(names, '\n');
    for (int n = 1; n <= std::min(nameCount, 8); ++n) {
        const std::string name = field(names, '\n', n);
        if (!name.empty())
            lister.add(app / "words" / "list" / "group", name);
    }
    fuzzing::InMemoryReader reader;
    for (int n = 1; n <= fieldCount(substitutions, '\n'); ++n)
        reader.lines.push_back(toNfc(field(substitutions, '\n', n)));

    testing::FakeWindow window;
    testing::FakeSystem system(app);
    fuzzing::BytesRandom random(actions);
    Game game(window, system, lister, reader, random);
    game.Open();
    bool commandKey = false;
    while (!actions.empty()) {
        const auto action = static_cast<std::uint8_t>(actions.front());
        if (action < 0x01 || action > 0x04) {
            require(game.KeyDown(nextKey(actions), commandKey));
            commandKey = false;
            checkInvariants(game.state(), window);
            continue;
        }
        actions.remove_prefix(1);
        if (action == 0x01 && window.currentPage == 1) {
            game.WordButton_Action();
        } else if (action == 0x02) {
            window.handwritingChecked = !window.handwritingChecked;
            game.chkboxHandwritingLetters_Action();
        } else if (action == 0x03 && window.currentPage == 0) {
            game.btnStart_Action();
        } else if (action == 0x03 && window.currentPage == 2) {
            game.btnMore_Action();
        } else if (action == 0x04) {
            commandKey = true;
        }
        checkInvariants(game.state(), window);
    }
    return 0;
}
