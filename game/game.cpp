#include "game/game.h"

#include "game/letter_check.h"
#include "game/phrase.h"
#include "game/results.h"
#include "layout/page_layouts.h"
#include "library/folder_item_list.h"
#include "library/unreadable_folder_noter.h"
#include "library/word_gathering.h"
#include "text/unicode_text.h"

#include <iostream>

namespace lumble {

namespace {

constexpr Colour red{255, 0, 0};
constexpr Colour green{0, 255, 0};
constexpr int wordPage = 1;
constexpr int resultsPage = 2;
constexpr int startPage = 0;
// Laid out like a real picture when a word item cannot be decoded as one.
constexpr Size placeholderPictureSize{400, 400};

Size sizeOf(const Rect& rect)
{
    return {rect.width, rect.height};
}

std::string describeListingProblem(ListingProblem problem)
{
    switch (problem) {
    case ListingProblem::missing:
        return "No word library: there is no folder named words at ";
    case ListingProblem::notAFolder:
        return "No word library: words is a file, not a folder, at ";
    case ListingProblem::unreadable:
        return "No word library: the words folder cannot be read at ";
    case ListingProblem::none:
        break;
    }
    return "No word lists found in ";
}

} // namespace

Game::Game(Window& window, SystemServices& system, const FolderLister& lister, const TextFileReader& reader,
           RandomSource& random)
    : window_(window), system_(system), lister_(lister), reader_(reader), random_(random)
{
}

std::filesystem::path Game::wordsFolder() const
{
    return system_.applicationFolder() / "words";
}

void Game::Open()
{
    state_.CharacterSubstitution.emplace();
    const auto names = FolderItemList(lister_, wordsFolder());
    for (const auto& name : names)
        window_.addWordListRow(name);
    window_.selectWordListRow(0);
    describeLibrary(names.size());
    PositionStartScreen();
}

void Game::describeLibrary(std::size_t wordListCount)
{
    const std::string folder = toNfc(wordsFolder().string());
    std::string info;
    if (wordListCount > 0) {
        info = "Word library: " + folder + " (" + std::to_string(wordListCount) +
               (wordListCount == 1 ? " word list)" : " word lists)");
    } else {
        // Only an empty result is worth a second look at the folder.
        info = describeListingProblem(lister_.list(wordsFolder()).problem) + folder;
        std::cerr << "lumble: " << info << '\n';
    }
    window_.setText(Control::stinfo, info);
}

void Game::btnStart_Action()
{
    const auto chosen = window_.selectedWordListText();
    state_.WordFolder = chosen ? childNamed(lister_, wordsFolder(), *chosen) : std::nullopt;
    const UnreadableFolderNoter noter(lister_);
    if (state_.WordFolder) {
        for (auto& item : gatherWordItems(noter, state_.WordFolder->path))
            state_.WordList.push_back(std::move(item));
    }
    for (const auto& folder : noter.unreadable())
        reportUnreadableFolder(folder);
    shuffle(state_.WordList, random_);
    state_.CountCorrect = 0;
    state_.CountViewed = 0;
    if (WordSelect()) {
        window_.setPage(wordPage);
        return;
    }
    system_.beep();
    if (chosen && noter.unreadable().empty()) {
        const std::string info = "The word list " + *chosen + " has no pictures to play.";
        std::cerr << "lumble: " << info << '\n';
        window_.setText(Control::stinfo, info);
    }
}

void Game::reportUnreadableFolder(const std::filesystem::path& folder)
{
    std::cerr << "lumble: cannot read the folder " << folder.string() << '\n';
    const auto shown = folder.lexically_relative(system_.applicationFolder());
    window_.setText(Control::stinfo, "Cannot read the folder " + toNfc(shown.string()));
}

void Game::WordButton_Action()
{
    if (state_.boolWordFinished) {
        advanceFromFinishedWord();
        return;
    }
    checkLetter(expectedLetter(state_), true);
}

void Game::btnQuit_Action()
{
    system_.quit(0);
}

void Game::btnMore_Action()
{
    window_.setPage(startPage);
}

void Game::chkboxHandwritingLetters_Action()
{
    auto& table = state_.CharacterSubstitution.emplace();
    if (!window_.isHandwritingChecked())
        return;
    const auto file = system_.applicationFolder() / "CharacterSubstitution.txt";
    const auto lines = reader_.readLines(file);
    if (!lines) {
        std::cerr << "lumble: cannot read " << file.string() << '\n';
        return;
    }
    for (const auto& line : *lines) {
        const auto [key, value] = splitSubstitutionLine(line);
        table.set(key, value);
    }
}

bool Game::KeyDown(std::string_view typed, bool commandKey)
{
    std::string key = toNfc(typed);
    if (commandKey) {
        if (equalsIgnoringCase(key, "q"))
            system_.quit(0);
        return true;
    }
    if (window_.page() != wordPage)
        return true;
    if (state_.boolWordFinished) {
        if (key == "\r")
            advanceFromFinishedWord();
        return true;
    }
    if (window_.isHandwritingChecked() && state_.CharacterSubstitution) {
        if (auto substitute = state_.CharacterSubstitution->lookup(key))
            key = std::move(*substitute);
    }
    checkLetter(key, false);
    return true;
}

void Game::advanceFromFinishedWord()
{
    if (WordSelect())
        return;
    PositionWordFeedback();
    window_.setPage(resultsPage);
}

bool Game::WordSelect()
{
    // A phrase with no word to spell could never be finished, so it is skipped.
    while (!state_.WordList.empty()) {
        state_.WordFile = state_.WordList.front();
        WordSelectSpell(phraseOfName(state_.WordFile->name));
        state_.WordList.pop_front();
        if (state_.PhraseToSpell.empty()) {
            std::cerr << "lumble: skipping " << state_.WordFile->path.string() << ": no word to spell\n";
            continue;
        }
        window_.setText(
            Control::WordTextbox,
            maskedPhrase(state_.PhraseToSpellStart, state_.PhraseToSpellMask, state_.PhraseToSpellEnd));
        PositionWordControls();
        state_.intCurrentLetter = 1;
        state_.CountAvailable = characterCount(state_.PhraseToSpell);
        state_.CountViewed += state_.CountAvailable;
        window_.setText(Control::WordButton, pointsCaption(state_.CountAvailable));
        state_.boolWordFinished = false;
        return true;
    }
    return false;
}

void Game::WordSelectSpell(const std::string& phrase)
{
    auto pieces = lumble::WordSelectSpell(state_.WordFile->name, phrase, random_);
    state_.PhraseToSpell = std::move(pieces.PhraseToSpell);
    state_.PhraseToSpellStart = std::move(pieces.PhraseToSpellStart);
    state_.PhraseToSpellMask = std::move(pieces.PhraseToSpellMask);
    state_.PhraseToSpellEnd = std::move(pieces.PhraseToSpellEnd);
    window_.setVisible(Control::txtWellDone, false);
    if (pieces.warning) {
        window_.setText(Control::txtWellDone, *pieces.warning);
        window_.setTextColour(Control::txtWellDone, red);
        window_.setVisible(Control::txtWellDone, true);
    }
}

void Game::moveTo(Control control, Point at)
{
    auto rect = window_.geometry(control);
    rect.left = at.left;
    rect.top = at.top;
    window_.setGeometry(control, rect);
}

void Game::reportUnshownPicture()
{
    // The child plays on with a grey square; the adult finds the name on the start page.
    const std::string& name = state_.WordFile->name;
    std::cerr << "lumble: not a picture, shown as a grey square: " << state_.WordFile->path.string() << '\n';
    window_.setText(Control::stinfo, "Not a picture, shown as a grey square: " + name);
}

void Game::PositionStartScreen()
{
    const StartScreenSizes sizes{
        sizeOf(window_.geometry(Control::pnlWordFlash)), sizeOf(window_.geometry(Control::txtInstructions)),
        sizeOf(window_.geometry(Control::ddlWordLists)), sizeOf(window_.geometry(Control::btnStart)),
        sizeOf(window_.geometry(Control::btnQuit)),      sizeOf(window_.geometry(Control::stinfo)),
    };
    const auto positions = startScreenLayout(system_.mainScreenSize(), sizes);
    moveTo(Control::pnlWordFlash, positions.pnlWordFlash);
    moveTo(Control::txtInstructions, positions.txtInstructions);
    moveTo(Control::ddlWordLists, positions.ddlWordLists);
    moveTo(Control::btnStart, positions.btnStart);
    moveTo(Control::chkboxHandwritingLetters, positions.chkboxHandwritingLetters);
    moveTo(Control::btnQuit, positions.btnQuit);
    moveTo(Control::stinfo, positions.stinfo);
}

void Game::PositionWordControls()
{
    const auto picture = window_.openWordPicture(*state_.WordFile);
    const auto layout = wordPageLayout({
        window_.geometry(Control::pnlWordFlash),
        picture.value_or(placeholderPictureSize),
        window_.geometry(Control::txtWellDone).width,
        window_.geometry(Control::WordTextbox).width,
        window_.geometry(Control::WordButton).width,
    });
    window_.setGeometry(Control::txtWellDone, layout.txtWellDone);
    const bool shown = window_.showWordPicture(sizeOf(layout.WordDisplay));
    if (!picture || !shown)
        reportUnshownPicture();
    window_.setGeometry(Control::WordDisplay, layout.WordDisplay);
    window_.setGeometry(Control::WordTextbox, layout.WordTextbox);
    window_.setGeometry(Control::WordButton, layout.WordButton);
}

void Game::PositionWordFeedback()
{
    window_.setVisible(Control::txtFeedback, false);
    window_.setText(Control::txtScore, scoreText(state_.CountCorrect, state_.CountViewed));
    const auto layout = resultsPageLayout(
        window_.geometry(Control::pnlWordFlash), sizeOf(window_.geometry(Control::txtScore)),
        sizeOf(window_.geometry(Control::btnMore)), sizeOf(window_.geometry(Control::txtYouScored)));
    moveTo(Control::txtScore, layout.txtScore);
    moveTo(Control::btnMore, layout.btnMore);
    moveTo(Control::txtYouScored, layout.txtYouScored);
    window_.setVisible(Control::txtFeedbackMessage, false);
}

void Game::checkLetter(const std::string& letter, bool hint)
{
    const auto result = lumble::checkLetter(state_, letter, hint);
    if (result.beep)
        system_.beep();
    if (result.wordCompleted) {
        window_.setText(Control::txtWellDone, "Word Complete!");
        window_.setTextColour(Control::txtWellDone, green);
        window_.setVisible(Control::txtWellDone, true);
    }
    refreshWordPage();
}

void Game::refreshWordPage()
{
    window_.setText(Control::WordButton, pointsCaption(state_.CountAvailable));
    window_.setText(Control::WordTextbox, maskedPhrase(state_.PhraseToSpellStart, state_.PhraseToSpellMask,
                                                       state_.PhraseToSpellEnd));
}

void Game::recoverFromFailure(const std::string& problem)
{
    state_.WordList.clear();
    state_.boolWordFinished = false;
    window_.setPage(startPage);
    window_.setText(Control::stinfo, "Something went wrong (" + problem + "). Press Start to play again.");
}

} // namespace lumble
