// Any sequence of keys and hints keeps the word's state within its bounds.
#include "fuzz/fuzz_random.h"
#include "game/letter_check.h"
#include "game/phrase.h"
#include "text/unicode_text.h"

#include <cstdlib>

namespace {

void checkInvariants(const lumble::GameState& state, int length)
{
    if (state.intCurrentLetter < 1 || state.intCurrentLetter > length)
        std::abort();
    if (state.CountAvailable < 0 || state.CountCorrect > state.CountViewed)
        std::abort();
    if (lumble::characterCount(state.PhraseToSpellMask) != length)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    const std::string name = lumble::toNfc(input.substr(0, split));
    input = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    lumble::fuzzing::BytesRandom random(input.substr(0, 1));
    auto pieces = lumble::WordSelectSpell(name, lumble::phraseOfName(name), random);
    const int length = lumble::characterCount(pieces.PhraseToSpell);
    if (length == 0)
        return 0; // the game skips a phrase without a word
    lumble::GameState state;
    state.PhraseToSpell = pieces.PhraseToSpell;
    state.PhraseToSpellMask = pieces.PhraseToSpellMask;
    state.intCurrentLetter = 1;
    state.CountAvailable = length;
    state.CountViewed = length;

    // Each byte is one key press; 0x01 asks for a hint; keys arrive as NFC text.
    for (std::size_t i = 1; i < input.size(); ++i) {
        const bool hint = input[i] == '\x01';
        const std::string key = hint ? lumble::expectedLetter(state) : lumble::toNfc(input.substr(i, 1));
        lumble::checkLetter(state, key, hint);
        checkInvariants(state, length);
    }
    return 0;
}
