// Any name gives pieces that rebuild its phrase around a mask of the word's length.
#include "fuzz/fuzz_random.h"
#include "game/phrase.h"
#include "text/unicode_text.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    // Names reach the game as NFC text, as the folder listing gives them.
    const std::string name = lumble::toNfc(input.substr(0, split));
    lumble::fuzzing::BytesRandom random(split == std::string_view::npos ? "" : input.substr(split + 1));
    const std::string phrase = lumble::phraseOfName(name);
    const auto pieces = lumble::WordSelectSpell(name, phrase, random);

    if (lumble::characterCount(pieces.PhraseToSpellMask) != lumble::characterCount(pieces.PhraseToSpell))
        std::abort();
    if (pieces.PhraseToSpellMask.find_first_not_of('*') != std::string::npos)
        std::abort();
    const std::string& start = pieces.PhraseToSpellStart;
    const std::string& end = pieces.PhraseToSpellEnd;
    if (start.size() + end.size() > phrase.size() || phrase.compare(0, start.size(), start) != 0 ||
        phrase.compare(phrase.size() - end.size(), end.size(), end) != 0)
        std::abort();
    const std::string masked = phrase.substr(start.size(), phrase.size() - start.size() - end.size());
    if (!lumble::equalsIgnoringCase(masked, pieces.PhraseToSpell))
        std::abort();
    return 0;
}
