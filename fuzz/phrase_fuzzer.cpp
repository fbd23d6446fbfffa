// Any name gives pieces that rebuild its phrase around a mask of the word's
// length, mask the last word equal to the word to spell, and warn exactly when
// a named target is missing from the phrase.
#include "fuzz/fuzz_random.h"
#include "fuzz/require.h"
#include "game/phrase.h"
#include "text/fields.h"
#include "text/unicode_text.h"

#include <algorithm>
#include <string>

namespace {

using lumble::fuzzing::require;

bool phraseHolds(const std::vector<std::string>& words, const std::string& word)
{
    return std::any_of(words.begin(), words.end(),
                       [&word](const std::string& w) { return lumble::equalsIgnoringCase(w, word); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    // Names reach the game as NFC text, as the folder listing gives them.
    const std::string name = lumble::toNfc(input.substr(0, split));
    lumble::fuzzing::BytesRandom random(split == std::string_view::npos ? "" : input.substr(split + 1));
    const std::string phrase = lumble::phraseOfName(name);
    const auto pieces = lumble::WordSelectSpell(name, phrase, random);
    const auto words = lumble::splitAtSpaces(phrase);

    require(lumble::characterCount(pieces.PhraseToSpellMask) == lumble::characterCount(pieces.PhraseToSpell));
    require(pieces.PhraseToSpellMask.find_first_not_of('*') == std::string::npos);

    // The word to spell is written as in the phrase, and is empty only when no word has a letter.
    const bool anyLetters = std::any_of(words.begin(), words.end(), [](const auto& w) { return !w.empty(); });
    require(pieces.PhraseToSpell.empty() != anyLetters);
    if (!anyLetters)
        return 0;
    require(std::find(words.begin(), words.end(), pieces.PhraseToSpell) != words.end());

    // Start + the phrase's own text of the masked word + End give back the phrase.
    const std::string& start = pieces.PhraseToSpellStart;
    const std::string& end = pieces.PhraseToSpellEnd;
    require(start.size() + end.size() <= phrase.size());
    require(phrase.compare(0, start.size(), start) == 0);
    require(phrase.compare(phrase.size() - end.size(), end.size(), end) == 0);
    const std::string masked = phrase.substr(start.size(), phrase.size() - start.size() - end.size());
    require(lumble::equalsIgnoringCase(masked, pieces.PhraseToSpell));
    require(start.empty() || start.back() == ' ');
    require(end.empty() || end.front() == ' ');
    // The masked word is the last one equal to the word to spell.
    if (!end.empty())
        require(!phraseHolds(lumble::splitAtSpaces(end.substr(1)), pieces.PhraseToSpell));
    const std::string shown = lumble::maskedPhrase(start, pieces.PhraseToSpellMask, end);
    require(lumble::characterCount(shown) == lumble::characterCount(phrase));

    // A named target is masked when the phrase holds it; otherwise the banner warns.
    const bool named = lumble::fieldCount(name, '.') > 2;
    const std::string target = named ? lumble::field(name, '.', 2) : std::string();
    // An empty target never counts as found, even beside an empty word.
    const bool found = named && !target.empty() && phraseHolds(words, target);
    require(pieces.warning.has_value() == (named && !found));
    if (found)
        require(lumble::equalsIgnoringCase(pieces.PhraseToSpell, target));
    if (pieces.warning)
        require(*pieces.warning == "Warning '" + target + "' not found!");
    return 0;
}
