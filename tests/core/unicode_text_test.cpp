#include "text/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lumble {
namespace {

const std::string replacement = "\xEF\xBF\xBD";        // U+FFFD
const std::string eAcute = "\xC3\xA9";                 // é, composed
const std::string deseretCapital = "\xF0\x90\x90\x80"; // U+10400, outside the 16-bit range
const std::string deseretSmall = "\xF0\x90\x90\xA8";   // U+10428

struct NfcCase {
    std::string input;
    std::string expected;
};

const NfcCase nfcCases[] = {
    {"cafe\xCC\x81", "caf" + eAcute},                          // e + combining acute
    {"caf" + eAcute, "caf" + eAcute},                          // already composed
    {"\xE2\x84\xAB", "\xC3\x85"},                              // the angstrom sign becomes Å
    {std::string("a\0b", 3), std::string("a\0b", 3)},          // a NUL byte is a character, not the end
    {"a\x80z", "a" + replacement + "z"},                       // stray continuation byte
    {"\xFF", replacement},                                     // never a UTF-8 byte
    {"ab\xC3", "ab" + replacement},                            // cut off at the end
    {"\xE2\x82z", replacement + "z"},                          // cut off in the middle
    {"\xC0\xAF", replacement + replacement},                   // overlong "/"
    {"\xED\xA0\x80", replacement + replacement + replacement}, // an encoded surrogate
    {"e\xCC\x81\xFF", eAcute + replacement},                   // composed even beside a bad byte
};

class ToNfcTest : public ::testing::TestWithParam<NfcCase> {};

TEST_P(ToNfcTest, GivesValidComposedText)
{
    const std::string nfc = toNfc(GetParam().input);
    EXPECT_EQ(nfc, GetParam().expected);
    EXPECT_EQ(toNfc(nfc), nfc) << "normalising twice changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Texts, ToNfcTest, ::testing::ValuesIn(nfcCases));

TEST(CharacterCount, CountsCodePoints)
{
    EXPECT_EQ(characterCount(""), 0);
    EXPECT_EQ(characterCount("don't"), 5);
    EXPECT_EQ(characterCount("caf" + eAcute), 4);
    EXPECT_EQ(characterCount(toNfc("cafe\xCC\x81")), 4);
    EXPECT_EQ(characterCount("a" + deseretCapital + "b"), 3);
    EXPECT_EQ(characterCount("a\x80z"), 3) << "a bad byte counts as one replacement character";
}

struct PositionCase {
    std::string text;
    int position;
    std::string character; // at the position; empty outside the text
    std::string replaced;  // the text with "X" at the position
};

const PositionCase positionCases[] = {
    {"cat", 1, "c", "Xat"},
    {"cat", 3, "t", "caX"},
    {"cat", 0, "", "cat"},
    {"cat", -1, "", "cat"},
    {"cat", 4, "", "cat"},
    {"", 1, "", ""},
    {"caf" + eAcute, 4, eAcute, "cafX"},
    {eAcute + "t" + eAcute, 2, "t", eAcute + "X" + eAcute},
    {"a" + deseretCapital + "b", 2, deseretCapital, "aXb"},
    {"a" + deseretCapital + "b", 3, "b", "a" + deseretCapital + "X"},
    {"a" + deseretCapital + "b", 4, "", "a" + deseretCapital + "b"},
};

class PositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionTest, FindsAndReplacesTheCharacterAtAPosition)
{
    const auto& c = GetParam();
    EXPECT_EQ(characterAt(c.text, c.position), c.character);
    EXPECT_EQ(replaceCharacterAt(c.text, c.position, "X"), c.replaced);
}

INSTANTIATE_TEST_SUITE_P(Positions, PositionTest, ::testing::ValuesIn(positionCases));

TEST(ReplaceCharacterAt, TakesAReplacementOfAnyLength)
{
    EXPECT_EQ(replaceCharacterAt("***", 2, eAcute), "*" + eAcute + "*");
    EXPECT_EQ(replaceCharacterAt("***", 2, "ab"), "*ab*");
    EXPECT_EQ(replaceCharacterAt("***", 2, ""), "**");
}

struct CaseFoldCase {
    std::string a;
    std::string b;
    bool equal;
};

const CaseFoldCase caseFoldCases[] = {
    {"CAT", "cat", true},
    {"Cat", "cAT", true},
    {"", "", true},
    {"\xC3\x89", eAcute, true},           // É and é
    {"\xCE\xA3", "\xCF\x83", true},       // Σ and σ
    {"\xCE\xA3", "\xCF\x82", true},       // Σ and final ς
    {"\xCF\x83", "\xCF\x82", true},       // σ and ς
    {"\xE2\x84\xAA", "k", true},          // the Kelvin sign folds to k
    {deseretCapital, deseretSmall, true}, // case beyond the 16-bit range
    {"cat", "cats", false},
    {"cat", "cot", false},
    {"e", eAcute, false},
    {"\xC3\x9F", "ss", false}, // ß has no one-character fold to ss
    {"c", "", false},
    {"\r", "c", false},
};

class EqualsIgnoringCaseTest : public ::testing::TestWithParam<CaseFoldCase> {};

TEST_P(EqualsIgnoringCaseTest, FoldsEachCharacter)
{
    const auto& c = GetParam();
    EXPECT_EQ(equalsIgnoringCase(c.a, c.b), c.equal);
    EXPECT_EQ(equalsIgnoringCase(c.b, c.a), c.equal);
    EXPECT_EQ(caseFoldKey(c.a) == caseFoldKey(c.b), c.equal) << "dictionary keys agree with equality";
}

INSTANTIATE_TEST_SUITE_P(Pairs, EqualsIgnoringCaseTest, ::testing::ValuesIn(caseFoldCases));

} // namespace
} // namespace lumble
