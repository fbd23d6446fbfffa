#include "game/game.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "support/fakes.h"
#include "support/temp_library.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumble {
namespace {

using testing::FakeSystem;
using testing::FakeWindow;
using testing::ScriptedRandom;
using testing::TempLibrary;

// A game over a real library on disk, played through fake controls.
class GameTest : public ::testing::Test {
protected:
    GameTest()
    {
        library.addFile("words/Animals/farm/cat.png");
        library.addFile("words/Animals/farm/horse.png");
        library.addFile("words/Animals/pond/frog.png");
        window.pictures = {{"cat.png", {400, 300}}, {"horse.png", {1400, 700}}, {"frog.png", {700, 1120}}};
    }

    Game& open()
    {
        game.Open();
        return game;
    }

    void type(const std::string& letters)
    {
        for (char letter : letters)
            game.KeyDown(std::string(1, letter), false);
    }

    // Finishes the word on the page, taking `hints` hints first.
    void finishWord(int hints)
    {
        for (int i = 0; i < hints && !game.state().boolWordFinished; ++i)
            game.WordButton_Action();
        while (!game.state().boolWordFinished)
            game.KeyDown(game.state().PhraseToSpell.substr(game.state().intCurrentLetter - 1, 1), false);
    }

    std::string playGame(int hintsPerWord)
    {
        game.btnStart_Action();
        while (window.currentPage == 1) {
            finishWord(hintsPerWord);
            game.KeyDown("\r", false);
        }
        return window.text(Control::txtScore);
    }

    TempLibrary library;
    FakeWindow window;
    FakeSystem system{library.root()};
    DiskFolderLister lister;
    FileTextReader reader;
    ScriptedRandom random;
    Game game{window, system, lister, reader, random};
};

TEST_F(GameTest, OpenListsTheWordListsAndSaysWhereTheLibraryIs)
{
    library.addFolder("words/Colours");
    library.addFolder("words/.drafts");
    open();
    EXPECT_EQ(window.rows, (std::vector<std::string>{"Animals", "Colours"}));
    EXPECT_EQ(window.selectedRow, 0);
    EXPECT_NE(window.text(Control::stinfo).find("2 word lists"), std::string::npos);
    EXPECT_EQ(window.geometry(Control::btnStart), (Rect{350, 600, 300, 60}));
    EXPECT_EQ(window.geometry(Control::stinfo), (Rect{200, 780, 600, 20}));
}

TEST_F(GameTest, MissingLibraryIsExplainedOnTheStartPage)
{
    std::filesystem::remove_all(library.words());
    open();
    EXPECT_TRUE(window.rows.empty());
    EXPECT_NE(window.text(Control::stinfo).find("no folder named words"), std::string::npos);
    game.btnStart_Action();
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(window.currentPage, 0);
}

TEST_F(GameTest, ScoresOfWholeGames)
{
    open();
    EXPECT_EQ(playGame(0), "12 out of 12");
    game.btnMore_Action();
    EXPECT_EQ(window.currentPage, 0);
    EXPECT_EQ(playGame(1), "9 out of 12") << "one hint per word costs three points";
    game.btnMore_Action();
    EXPECT_EQ(playGame(99), "0 out of 12");
    EXPECT_EQ(system.beeps, 0);
}

TEST_F(GameTest, TwoHintsInAGameScoreTenOutOfTwelve)
{
    open();
    game.btnStart_Action();
    game.WordButton_Action();
    game.WordButton_Action();
    while (window.currentPage == 1) {
        finishWord(0);
        game.KeyDown("\r", false);
    }
    EXPECT_EQ(window.text(Control::txtScore), "10 out of 12");
    EXPECT_FALSE(window.isVisible(Control::txtFeedback));
    EXPECT_FALSE(window.isVisible(Control::txtFeedbackMessage));
    EXPECT_EQ(window.geometry(Control::txtScore), (Rect{100, 370, 800, 60}));
}

TEST_F(GameTest, EachItemIsPresentedOnceInTheShuffledOrder)
{
    open();
    game.btnStart_Action();
    std::vector<std::string> seen;
    while (window.currentPage == 1) {
        seen.push_back(game.state().WordFile->name);
        finishWord(0);
        game.KeyDown("\r", false);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"cat.png", "frog.png", "horse.png"}));
}

TEST_F(GameTest, TypingRevealsLettersAndWrongLettersBeep)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words/One/g/cat.png");
    open();
    game.btnStart_Action();
    ASSERT_EQ(window.currentPage, 1);
    EXPECT_EQ(window.text(Control::WordTextbox), "***");
    EXPECT_EQ(window.text(Control::WordButton), "points: 3");
    type("x");
    EXPECT_EQ(system.beeps, 1);
    type("\r");
    EXPECT_EQ(system.beeps, 2) << "Return is compared like a letter while the word is unfinished";
    type("C");
    EXPECT_EQ(window.text(Control::WordTextbox), "C**");
    type("at");
    EXPECT_TRUE(game.state().boolWordFinished);
    EXPECT_EQ(window.text(Control::txtWellDone), "Word Complete!");
    EXPECT_TRUE(window.isVisible(Control::txtWellDone));
    EXPECT_EQ(window.colours[static_cast<std::size_t>(Control::txtWellDone)], (Colour{0, 255, 0}));
    type("z");
    EXPECT_EQ(system.beeps, 2) << "letters after the word is finished are ignored silently";
    game.WordButton_Action();
    EXPECT_EQ(window.currentPage, 2);
    EXPECT_EQ(window.text(Control::txtScore), "3 out of 3");
    type("\r");
    EXPECT_EQ(window.currentPage, 2);
}

TEST_F(GameTest, CommandKeyQuitsOnlyWithQ)
{
    open();
    game.KeyDown("a", true);
    EXPECT_TRUE(system.quits.empty());
    game.KeyDown("Q", true);
    game.btnQuit_Action();
    EXPECT_EQ(system.quits, (std::vector<int>{0, 0}));
}

TEST_F(GameTest, KeysOnTheStartPageAreIgnored)
{
    open();
    EXPECT_TRUE(game.KeyDown("a", false));
    EXPECT_EQ(system.beeps, 0);
    EXPECT_EQ(window.currentPage, 0);
}

TEST_F(GameTest, EmptyWordListBeepsAndStaysOnTheStartPage)
{
    library.addFolder("words/AAA empty/group");
    library.addFile("words/AAA empty/loose.png");
    library.addFile("words/AAA empty/group/.DS_Store");
    open();
    ASSERT_EQ(window.rows.front(), "AAA empty");
    game.btnStart_Action();
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(window.currentPage, 0);
    EXPECT_TRUE(game.state().WordList.empty());
}

TEST_F(GameTest, MissingNamedTargetWarnsInRedAndStillPlays)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words/One/g/the cat sat.dog.jpg");
    open();
    random.draws = {1};
    game.btnStart_Action();
    EXPECT_EQ(window.text(Control::txtWellDone), "Warning 'dog' not found!");
    EXPECT_TRUE(window.isVisible(Control::txtWellDone));
    EXPECT_EQ(window.colours[static_cast<std::size_t>(Control::txtWellDone)], (Colour{255, 0, 0}));
    EXPECT_EQ(game.state().CountViewed, 3);
}

TEST_F(GameTest, ItemThatIsNotAPictureGetsAPlaceholderLaidOutByTheSameRules)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words/One/g/notes.txt", "just text");
    open();
    game.btnStart_Action();
    ASSERT_EQ(window.currentPage, 1);
    ASSERT_EQ(window.shownPictures.size(), 1u);
    const Rect well = window.geometry(Control::WordDisplay);
    EXPECT_EQ((Size{well.width, well.height}), window.shownPictures.front());
    EXPECT_EQ(well.top, 80 + (560 - well.height) / 2);
    EXPECT_NE(window.text(Control::stinfo).find("notes.txt"), std::string::npos)
        << "the adult learns which file";
}

TEST_F(GameTest, PhraseWithoutAnyWordIsSkipped)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words/One/g/   .png");
    library.addFile("words/One/g/dog.png");
    open();
    game.btnStart_Action();
    ASSERT_EQ(window.currentPage, 1);
    EXPECT_EQ(game.state().PhraseToSpell, "dog");
    finishWord(0);
    game.KeyDown("\r", false);
    EXPECT_EQ(window.text(Control::txtScore), "3 out of 3");
}

TEST_F(GameTest, SubstitutionTableMapsTypedKeysWhenSwitchedOn)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words/One/g/cat.png");
    library.addFile("CharacterSubstitution.txt", "1*c\n2*a*ignored\n");
    open();
    game.btnStart_Action();
    type("1");
    EXPECT_EQ(system.beeps, 1) << "the table is not used while the check box is off";
    window.handwritingChecked = true;
    game.chkboxHandwritingLetters_Action();
    type("12");
    EXPECT_EQ(window.text(Control::WordTextbox), "ca*");
    window.handwritingChecked = false;
    game.chkboxHandwritingLetters_Action();
    window.handwritingChecked = true;
    type("3");
    EXPECT_EQ(system.beeps, 2) << "switching off empties the table";
}

TEST_F(GameTest, RecoveryReturnsToACleanStartPage)
{
    open();
    game.btnStart_Action();
    game.recoverFromFailure("disk vanished");
    EXPECT_EQ(window.currentPage, 0);
    EXPECT_TRUE(game.state().WordList.empty());
    EXPECT_NE(window.text(Control::stinfo).find("disk vanished"), std::string::npos);
    game.btnStart_Action();
    EXPECT_EQ(window.currentPage, 1);
}

} // namespace
} // namespace lumble
