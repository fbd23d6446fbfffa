#include "game/letter_check.h"

#include <gtest/gtest.h>

#include <cctype>

namespace lumble {
namespace {

GameState presenting(const std::string& word)
{
    GameState state;
    state.PhraseToSpell = word;
    state.PhraseToSpellMask = std::string(word.size(), '*');
    state.intCurrentLetter = 1;
    state.CountAvailable = static_cast<int>(word.size());
    state.CountViewed = state.CountAvailable;
    return state;
}

struct Step {
    std::string letter; // "?" asks for a hint
    std::string mask;
    int points;
    bool beep;
};

struct Scenario {
    const char* title;
    std::string word;
    std::vector<Step> steps;
    int scored; // CountCorrect once the word is finished
};

const Scenario scenarios[] = {
    {"typed", "cat", {{"c", "c**", 3, false}, {"a", "ca*", 3, false}, {"t", "cat", 3, false}}, 3},
    {"hint first", "cat", {{"?", "c**", 2, false}, {"a", "ca*", 2, false}, {"t", "cat", 2, false}}, 2},
    {"all hints", "cat", {{"?", "c**", 2, false}, {"?", "ca*", 1, false}, {"?", "cat", 0, false}}, 0},
    {"capital shown as typed",
     "cat",
     {{"C", "C**", 3, false}, {"A", "CA*", 3, false}, {"t", "CAt", 3, false}},
     3},
    {"hint shows the phrase's letter",
     "Cat",
     {{"?", "C**", 2, false}, {"A", "CA*", 2, false}, {"?", "CAt", 1, false}},
     1},
    {"wrong letters cost nothing",
     "cat",
     {{"x", "***", 3, true},
      {"\r", "***", 3, true},
      {"ca", "***", 3, true},
      {"", "***", 3, true},
      {"c", "c**", 3, false},
      {"a", "ca*", 3, false},
      {"t", "cat", 3, false}},
     3},
    {"doubled letters", "all", {{"a", "a**", 3, false}, {"l", "al*", 3, false}, {"l", "all", 3, false}}, 3},
    {"one letter by hint", "a", {{"?", "a", 0, false}}, 0},
    // File names may hold "*": a revealed one must not be taken for a hidden letter.
    {"a star in the word stays in its place",
     "*a*",
     {{"*", "***", 3, false}, {"a", "*a*", 3, false}, {"?", "*a*", 2, false}},
     2},
};

class LetterCheckTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(LetterCheckTest, RevealsLettersAndScoresTheWord)
{
    const auto& scenario = GetParam();
    GameState state = presenting(scenario.word);
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const auto& step = scenario.steps[i];
        ASSERT_FALSE(state.boolWordFinished) << "finished early at step " << i;
        const bool hint = step.letter == "?";
        const auto result = checkLetter(state, hint ? expectedLetter(state) : step.letter, hint);
        EXPECT_EQ(state.PhraseToSpellMask, step.mask) << "step " << i;
        EXPECT_EQ(state.CountAvailable, step.points) << "step " << i;
        EXPECT_EQ(result.beep, step.beep) << "step " << i;
        EXPECT_EQ(result.wordCompleted, i + 1 == scenario.steps.size()) << "step " << i;
    }
    EXPECT_TRUE(state.boolWordFinished);
    EXPECT_EQ(state.CountCorrect, scenario.scored);
    EXPECT_EQ(state.intCurrentLetter, static_cast<int>(scenario.word.size()));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, LetterCheckTest, ::testing::ValuesIn(scenarios),
                         [](const auto& scenarioInfo) {
                             std::string name = scenarioInfo.param.title;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(LetterCheck, LettersAfterTheWordIsFinishedChangeNothing)
{
    GameState state = presenting("cat");
    for (const std::string letter : {"c", "a", "t"})
        checkLetter(state, letter, false);
    ASSERT_TRUE(state.boolWordFinished);
    for (const std::string letter : {"t", "T", "c", "x"}) {
        for (const bool hint : {false, true}) {
            const auto result = checkLetter(state, letter, hint);
            EXPECT_TRUE(result.beep) << letter;
            EXPECT_FALSE(result.wordCompleted) << letter << " must not credit the word again";
            EXPECT_EQ(state.CountCorrect, 3) << letter;
            EXPECT_EQ(state.CountAvailable, 3) << letter;
            EXPECT_EQ(state.PhraseToSpellMask, "cat") << letter;
            EXPECT_EQ(state.intCurrentLetter, 3) << letter;
        }
    }
}

TEST(LetterCheck, HintsNeverTakePointsBelowZero)
{
    GameState state = presenting("cat");
    state.CountAvailable = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(checkLetter(state, expectedLetter(state), true).beep);
        EXPECT_EQ(state.CountAvailable, 0);
    }
    EXPECT_TRUE(state.boolWordFinished);
    EXPECT_EQ(state.CountCorrect, 0);
}

// A position outside the word, or a word of no letters, leaves nothing to reveal:
// every key and every hint is wrong, and the position never leaves the word.
TEST(LetterCheck, APositionOutsideTheWordChangesNothing)
{
    struct Placement {
        std::string word;
        int position;
    };
    const Placement placements[] = {{"cat", 0}, {"cat", -1}, {"cat", 4}, {"", 1}, {"", 0}};
    for (const auto& placement : placements) {
        for (const std::string letter : {"c", "t", ""}) {
            for (const bool hint : {false, true}) {
                GameState state = presenting(placement.word);
                state.intCurrentLetter = placement.position;
                const auto result = checkLetter(state, letter, hint);
                const auto where = placement.word + " at " + std::to_string(placement.position) +
                                   ", letter '" + letter + "', hint " + std::to_string(hint);
                EXPECT_TRUE(result.beep) << where;
                EXPECT_FALSE(result.wordCompleted) << where;
                EXPECT_FALSE(state.boolWordFinished) << where;
                EXPECT_EQ(state.intCurrentLetter, placement.position) << where;
                EXPECT_EQ(state.PhraseToSpellMask, std::string(placement.word.size(), '*')) << where;
                EXPECT_EQ(state.CountAvailable, static_cast<int>(placement.word.size())) << where;
                EXPECT_EQ(state.CountCorrect, 0) << where;
            }
        }
    }
}

TEST(LetterCheck, AccentedLettersMatchIgnoringCase)
{
    GameState state = presenting("\xC3\xA9t\xC3\xA9"); // été
    state.PhraseToSpellMask = "***";
    state.CountAvailable = 3;
    EXPECT_FALSE(checkLetter(state, "\xC3\x89", false).beep); // É
    EXPECT_TRUE(checkLetter(state, "e", false).beep);
    EXPECT_FALSE(checkLetter(state, "T", false).beep);
    EXPECT_TRUE(checkLetter(state, "\xC3\xA9", false).wordCompleted);
    EXPECT_EQ(state.PhraseToSpellMask, "\xC3\x89T\xC3\xA9");
    EXPECT_EQ(state.CountCorrect, 3);
}

TEST(LetterCheck, PointsCaption)
{
    EXPECT_EQ(pointsCaption(5), "points: 5");
    EXPECT_EQ(pointsCaption(0), "points: 0");
}

} // namespace
} // namespace lumble
