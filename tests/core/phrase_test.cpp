#include "game/phrase.h"
#include "support/fakes.h"
#include "text/unicode_text.h"

#include <gtest/gtest.h>

namespace lumble {
namespace {

struct PhraseCase {
    std::string name;
    std::size_t draw; // index among the phrase's non-empty words, when a word is drawn
    PhrasePieces expected;
};

// The worked examples and the edge cases of turning a name into a masked phrase.
const PhraseCase phraseCases[] = {
    {"the cat sat.cat.jpg", 0, {"cat", "the ", "***", " sat", std::nullopt}},
    {"the cat sat.jpg", 2, {"sat", "the cat ", "***", "", std::nullopt}},
    {"the cat sat.jpg", 0, {"the", "", "***", " cat sat", std::nullopt}},
    {"the cat sat.dog.jpg", 1, {"cat", "the ", "***", " sat", "Warning 'dog' not found!"}},
    {"the dog and the cat.the.png", 0, {"the", "the dog and ", "***", " cat", std::nullopt}},
    {"The Cat.cat.jpg", 0, {"Cat", "The ", "***", "", std::nullopt}},
    {"the  cat.cat.jpg", 0, {"cat", "the  ", "***", "", std::nullopt}},
    {"elephant", 0, {"elephant", "", "********", "", std::nullopt}},
    {"big dog.dog", 1, {"dog", "big ", "***", "", std::nullopt}},
    {"the cat..jpg", 0, {"the", "", "***", " cat", "Warning '' not found!"}},
    {"a b.a b.png", 1, {"b", "a ", "*", "", "Warning 'a b' not found!"}},
    {"don't.don't.png", 0, {"don't", "", "*****", "", std::nullopt}},
    {"the dog and the cat.jpg", 0, {"the", "the dog and ", "***", " cat", std::nullopt}},
    // A word that occurs twice is drawn at either of its positions.
    {"the dog and the cat.jpg", 3, {"the", "the dog and ", "***", " cat", std::nullopt}},
    {"the dog and the cat.jpg", 4, {"cat", "the dog and the ", "***", "", std::nullopt}},
    // The word keeps the phrase's case; the last word equal ignoring case is masked.
    {"the cat sat.CAT.jpg", 0, {"cat", "the ", "***", " sat", std::nullopt}},
    {"Cat sat cat.jpg", 0, {"Cat", "Cat sat ", "***", "", std::nullopt}},
    {"\xC3\x89t\xC3\xA9.\xC3\xA9t\xC3\xA9.png",
     0,
     {"\xC3\x89t\xC3\xA9", "", "***", "", std::nullopt}}, // Été, été
    {"the cat sat.cat.more.jpg", 0, {"cat", "the ", "***", " sat", std::nullopt}},
    // Empty words from stray spaces are never drawn.
    {" big  dog .jpg", 1, {"dog", " big  ", "***", " ", std::nullopt}},
    {"   .png", 0, {"", "   ", "", "", std::nullopt}},
    // An empty target matches an empty word, yet the word to spell must have letters.
    {"the  cat..jpg", 1, {"cat", "the  ", "***", "", "Warning '' not found!"}},
};

class PhrasePiecesTest : public ::testing::TestWithParam<PhraseCase> {
protected:
    PhrasePieces pieces() const
    {
        testing::ScriptedRandom random;
        random.draws = {GetParam().draw};
        return WordSelectSpell(GetParam().name, phraseOfName(GetParam().name), random);
    }
};

TEST_P(PhrasePiecesTest, NameGivesTheWordToSpellAndTheMaskedPhrase)
{
    EXPECT_EQ(pieces(), GetParam().expected);
}

TEST_P(PhrasePiecesTest, PiecesRebuildThePhrase)
{
    const std::string phrase = phraseOfName(GetParam().name);
    const auto pieces = this->pieces();
    const auto& start = pieces.PhraseToSpellStart;
    const auto& end = pieces.PhraseToSpellEnd;
    ASSERT_TRUE(phrase.starts_with(start));
    ASSERT_TRUE(phrase.ends_with(end));
    ASSERT_LE(start.size() + end.size(), phrase.size());
    const std::string maskedWord = phrase.substr(start.size(), phrase.size() - start.size() - end.size());
    EXPECT_TRUE(equalsIgnoringCase(maskedWord, pieces.PhraseToSpell));
    EXPECT_EQ(characterCount(maskedPhrase(start, pieces.PhraseToSpellMask, end)), characterCount(phrase));
}

INSTANTIATE_TEST_SUITE_P(Names, PhrasePiecesTest, ::testing::ValuesIn(phraseCases));

TEST(PhraseOfName, IsTheNameUpToTheFirstDot)
{
    EXPECT_EQ(phraseOfName("the cat sat.cat.jpg"), "the cat sat");
    EXPECT_EQ(phraseOfName("elephant"), "elephant");
    EXPECT_EQ(phraseOfName("a..b"), "a");
}

TEST(AccentedNames, CountCharactersNotBytes)
{
    testing::ScriptedRandom random;
    for (const std::string name : {"caf\xC3\xA9.png", "cafe\xCC\x81.png", "cafe\xCC\x81.caf\xC3\xA9.png"}) {
        const auto normalized = toNfc(name);
        const auto pieces = WordSelectSpell(normalized, phraseOfName(normalized), random);
        EXPECT_EQ(pieces.PhraseToSpell, "caf\xC3\xA9");
        EXPECT_EQ(pieces.PhraseToSpellMask, "****");
        EXPECT_FALSE(pieces.warning);
    }
    const auto greek = WordSelectSpell(
        "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91.\xCF\x83\xCE\xBF\xCF\x86\xCE\xB9\xCE\xB1.png",
        "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x99\xCE\x91", random);
    EXPECT_EQ(greek.PhraseToSpellMask, "*****") << "a named target found ignoring Greek case";
    EXPECT_FALSE(greek.warning);
}

} // namespace
} // namespace lumble
