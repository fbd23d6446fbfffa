#pragma once

#include "game/game_state.h"
#include "platform/folder_lister.h"
#include "platform/random_source.h"
#include "platform/system_services.h"
#include "platform/text_file_reader.h"
#include "platform/window.h"

#include <string>
#include <string_view>

namespace lumble {

// The main window's handlers and methods: the whole game, played through the
// platform interfaces so it runs the same with real widgets and with fakes.
class Game {
public:
    Game(Window& window, SystemServices& system, const FolderLister& lister, const TextFileReader& reader,
         RandomSource& random);

    void Open();
    void btnStart_Action();
    void WordButton_Action();
    void btnQuit_Action();
    void btnMore_Action();
    void chkboxHandwritingLetters_Action();
    // `key` is the typed text; true: the key was handled (always).
    bool KeyDown(std::string_view key, bool commandKey);

    bool WordSelect();
    void WordSelectSpell(const std::string& phrase);
    void PositionStartScreen();
    void PositionWordControls();
    void PositionWordFeedback();
    void checkLetter(const std::string& letter, bool hint);

    // After an unexpected failure inside a handler: back to a clean start page,
    // with the problem said where the adult will see it.
    void recoverFromFailure(const std::string& problem);

    const GameState& state() const { return state_; }

private:
    std::filesystem::path wordsFolder() const;
    void advanceFromFinishedWord();
    void refreshWordPage();
    void moveTo(Control control, Point at);
    void reportUnshownPicture();
    void reportUnreadableFolder(const std::filesystem::path& folder);
    void describeLibrary(std::size_t wordListCount);

    Window& window_;
    SystemServices& system_;
    const FolderLister& lister_;
    const TextFileReader& reader_;
    RandomSource& random_;
    GameState state_;
};

} // namespace lumble
