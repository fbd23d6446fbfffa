// Everything a parent may copy into `words` from a phone, a camera, a USB stick
// or a download: the game plays on, shows no crash and changes no file.
#include "game/phrase.h"
#include "library/folder_item_list.h"
#include "library/word_gathering.h"
#include "qt/picture_bytes.h"
#include "qt/window_fixture.h"
#include "text/unicode_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>

#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumble::testing {
namespace {

// Peak resident memory of the whole test process, in megabytes.
long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Names, kinds, sizes, contents and link targets of everything below `root`,
// without following links or opening anything that could block.
std::string fingerprint(const std::filesystem::path& root)
{
    std::ostringstream out;
    std::error_code error;
    std::vector<std::filesystem::path> paths;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        paths.push_back(it->path());
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        struct stat facts {};
        lstat(path.c_str(), &facts);
        out << path.string() << ' ' << (facts.st_mode & S_IFMT) << ' ' << facts.st_size << ' '
            << (facts.st_mode & 07777) << ' ' << facts.st_mtim.tv_sec << '.' << facts.st_mtim.tv_nsec << '\n';
        if (S_ISLNK(facts.st_mode))
            out << std::filesystem::read_symlink(path, error).string() << '\n';
        else if (S_ISREG(facts.st_mode))
            out << std::ifstream(path, std::ios::binary).rdbuf() << '\n';
    }
    return out.str();
}

class HostileLibrary : public WindowFixture {
protected:
    void SetUp() override
    {
        const std::string png = pictureBytes(40, 30, "PNG");
        const std::string jpeg = pictureBytes(64, 48, "JPEG");
        auto add = [this](const std::string& relative, const std::string& bytes) {
            library.addFile(std::filesystem::path("words/Everything/g") / relative, bytes);
        };
        add("plain text.txt", "just some text\n");
        add("a document.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n%%EOF\n");
        add("program.png", std::string("\x7f"
                                       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                                       16) +
                               std::string(4000, '\x90'));
        add("empty.png", "");
        add("truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
        add("corrupt.png", png.substr(0, 60) + std::string(png.size() - 60, '\x5a'));
        add("claims to be huge.png", pngClaiming(40000, 40000));
        add("thin.png", pictureBytes(1, 5000, "PNG"));
        add("enormous photo.jpg", jpegClaiming(20000, 20000));
        add("<b>bold<b> & amp.png", png);
        add("caf\xE9 au lait.png", png);
        add(std::string(251, 'x') + ".png", png);
        library.addFolder("words/Everything/g/a folder.png");
        std::filesystem::create_symlink("loop.png", library.words() / "Everything/g/loop.png");
        const auto outside = library.addFile("outside/elsewhere.png", png);
        std::filesystem::create_symlink(outside, library.words() / "Everything/g/link outside.png");
        ASSERT_EQ(mkfifo((library.words() / "Everything/g/pipe.png").c_str(), 0644), 0);
        add("ok.png", png);

        library.addFile("words/A list that is a file.png", png);
        library.addFile("words/Groups/not a group.png", png);
        library.addFile("words/Groups/g/dog.png", png);
        library.addFolder("words/Locked/g");
        library.addFile("words/Locked/g/cow.png", png);
        chmod((library.words() / "Locked/g").c_str(), 0);
    }
};

TEST_F(HostileLibrary, EveryListPlaysToItsResultsPageAndNoFileChanges)
{
    alarm(120); // a hang ends the test instead of the CI run
    const std::string before = fingerprint(library.root());
    openWindow();
    auto* lists = find<QComboBox>(Control::ddlWordLists);
    auto* pages = find<QStackedWidget>(Control::pnlWordFlash);
    ASSERT_EQ(lists->count(), 4);
    for (int row = 0; row < lists->count(); ++row) {
        lists->setCurrentIndex(row);
        const auto list = childNamed(lister, library.words(), lists->currentText().toStdString());
        ASSERT_TRUE(list);
        std::multiset<std::filesystem::path> expected;
        for (const auto& item : gatherWordItems(lister, list->path))
            expected.insert(item.path);
        std::multiset<std::filesystem::path> presented;

        const int beepsBefore = system.beeps;
        click(Control::btnStart);
        if (expected.empty()) {
            EXPECT_EQ(pages->currentIndex(), 0) << lists->currentText().toStdString();
            EXPECT_EQ(system.beeps, beepsBefore + 1);
            continue;
        }
        while (pages->currentIndex() == 1) {
            const auto& state = window->game().state();
            presented.insert(state.WordFile->path);
            const auto phrase = phraseOfName(state.WordFile->name);
            const auto masked = find<QLabel>(Control::WordTextbox)->text().toStdString();
            EXPECT_EQ(characterCount(masked), characterCount(phrase)) << masked;
            const auto* display = find<QLabel>(Control::WordDisplay);
            EXPECT_GE(display->width(), 1);
            EXPECT_LE(display->width(), 700);
            EXPECT_LE(display->height(), 560);
            // Every word ends within its own number of hints.
            for (int hint = 0; hint <= characterCount(state.PhraseToSpell) && !state.boolWordFinished; ++hint)
                click(Control::WordButton);
            ASSERT_TRUE(state.boolWordFinished) << state.WordFile->path;
            press(Qt::Key_Return, "\r");
        }
        EXPECT_EQ(pages->currentIndex(), 2);
        EXPECT_EQ(presented, expected);
        click(Control::btnMore);
    }
    alarm(0);
    EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("grey square"), -1);
    const long peak = peakMegabytes();
    EXPECT_LT(peak, 200) << "decoding stays bounded whatever the files claim";
    RecordProperty("peak_megabytes", static_cast<int>(peak));
    std::cerr << "peak resident memory: " << peak << " MB\n";
    EXPECT_EQ(fingerprint(library.root()), before);
}

TEST_F(HostileLibrary, WordsThatIsAFileLeavesAnEmptyStartPageWithAnExplanation)
{
    std::filesystem::remove_all(library.words());
    library.addFile("words", "a file where the library should be");
    openWindow();
    EXPECT_EQ(find<QComboBox>(Control::ddlWordLists)->count(), 0);
    EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("words is a file"), -1);
    click(Control::btnStart);
    EXPECT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 0);
    EXPECT_EQ(system.beeps, 1);
}

TEST_F(HostileLibrary, AnySubstitutionFileLoadsAndTheGameGoesOn)
{
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 37);
    const std::string files[] = {binary, "a*c\r\nb*d\r\n", "a*c", std::string(1 << 20, 'q') + "*c"};
    openWindow();
    auto* handwriting = find<QCheckBox>(Control::chkboxHandwritingLetters);
    for (const auto& contents : files) {
        library.addFile("CharacterSubstitution.txt", contents);
        handwriting->setChecked(false);
        handwriting->setChecked(true);
        ASSERT_TRUE(window->game().state().CharacterSubstitution);
        EXPECT_GE(window->game().state().CharacterSubstitution->size(), 1u);
    }
    std::filesystem::remove(library.root() / "CharacterSubstitution.txt");
    handwriting->setChecked(false);
    handwriting->setChecked(true);
    EXPECT_EQ(window->game().state().CharacterSubstitution->size(), 0u);
}

} // namespace
} // namespace lumble::testing
