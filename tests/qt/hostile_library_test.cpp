// Everything a parent may copy into `words` from a phone, a camera, a USB stick
// or a download: the game plays on, shows no crash and changes no file.
#include "game/phrase.h"
#include "qt/picture_bytes.h"
#include "qt/window_fixture.h"
#include "text/unicode_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>

#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumble::testing {
namespace {

namespace fs = std::filesystem;

// What the game does with a word item.
enum class Outcome {
    picture,     // played with its picture
    placeholder, // played with a grey square, named on the start page and on stderr
    noWord,      // skipped with a line on stderr: its phrase has no word to spell
    notGathered, // never reaches the game: hidden, or not at the word item level
};

// The picture well's centre: the grey square's own colour, or the picture's.
bool showsPlaceholder(const QLabel& well)
{
    const QImage shown = well.pixmap().toImage();
    return shown.pixelColor(shown.width() / 2, shown.height() / 2) == QColor(236, 236, 236);
}

// Peak resident memory of the whole test process, in megabytes.
long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Names, kinds, sizes, modes, times, contents and link targets of everything
// below `root`, without following links or opening anything that could block.
std::string fingerprint(const fs::path& root)
{
    std::ostringstream out;
    std::error_code error;
    std::vector<fs::path> paths;
    for (auto it = fs::recursive_directory_iterator(root, error); it != fs::recursive_directory_iterator();
         it.increment(error))
        paths.push_back(it->path());
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        struct stat facts {};
        lstat(path.c_str(), &facts);
        out << path.string() << ' ' << (facts.st_mode & S_IFMT) << ' ' << facts.st_size << ' '
            << (facts.st_mode & 07777) << ' ' << facts.st_mtim.tv_sec << '.' << facts.st_mtim.tv_nsec << '\n';
        if (S_ISLNK(facts.st_mode))
            out << fs::read_symlink(path, error).string() << '\n';
        else if (S_ISREG(facts.st_mode))
            out << std::ifstream(path, std::ios::binary).rdbuf() << '\n';
    }
    return out.str();
}

// Collects what the game writes to std::cerr while it lives.
class CapturedErrors {
public:
    CapturedErrors() : saved_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(saved_); }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;
    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* saved_;
};

struct Item {
    fs::path path; // below words/: list/group/item
    Outcome outcome;
    std::string banner = {}; // the banner's text while it is shown; empty: hidden
};

// A library on disk made entry by entry, each with what the game should do with it.
class StrangeLibrary : public WindowFixture {
protected:
    void item(const fs::path& path, const std::string& bytes, Outcome outcome, std::string banner = {})
    {
        library.addFile("words" / path, bytes);
        expect({path, outcome, std::move(banner)});
    }

    void expect(Item expected)
    {
        lists[toNfc(expected.path.begin()->string())];
        if (expected.outcome == Outcome::picture || expected.outcome == Outcome::placeholder)
            lists[toNfc(expected.path.begin()->string())].push_back(expected);
        items.push_back(std::move(expected));
    }

    fs::path in(const std::string& relative) const { return library.words() / relative; }

    // Plays the selected list to its results page, or sees Start refuse it.
    void playSelectedList(const std::vector<Item>& expected)
    {
        auto* pages = find<QStackedWidget>(Control::pnlWordFlash);
        const auto* well = find<QLabel>(Control::WordDisplay);
        const auto* banner = find<QLabel>(Control::txtWellDone);
        const int beepsBefore = system.beeps;
        click(Control::btnStart);
        if (expected.empty()) {
            EXPECT_EQ(pages->currentIndex(), 0);
            EXPECT_EQ(system.beeps, beepsBefore + 1);
            return;
        }
        std::multiset<fs::path> presented;
        while (pages->currentIndex() == 1 && presented.size() <= expected.size()) {
            const auto& state = window->game().state();
            const fs::path path = state.WordFile->path.lexically_relative(library.words());
            presented.insert(path);
            const auto found = std::find_if(expected.begin(), expected.end(),
                                            [&path](const Item& item) { return item.path == path; });
            if (found == expected.end()) {
                ADD_FAILURE() << "presented unexpectedly: " << path;
            } else {
                EXPECT_EQ(showsPlaceholder(*well), found->outcome == Outcome::placeholder) << path;
                EXPECT_EQ(banner->isVisible() ? banner->text().toStdString() : "", found->banner) << path;
            }
            const auto masked = find<QLabel>(Control::WordTextbox)->text().toStdString();
            EXPECT_EQ(characterCount(masked), characterCount(phraseOfName(state.WordFile->name))) << path;
            EXPECT_GE(std::min(well->width(), well->height()), 1) << path;
            EXPECT_LE(well->width(), 700) << path;
            EXPECT_LE(well->height(), 560) << path;
            // Every word ends within its own number of hints.
            for (int hint = 0; hint <= characterCount(state.PhraseToSpell) && !state.boolWordFinished; ++hint)
                click(Control::WordButton);
            ASSERT_TRUE(state.boolWordFinished) << path;
            press(Qt::Key_Return, "\r");
        }
        EXPECT_EQ(pages->currentIndex(), 2);
        std::multiset<fs::path> wanted;
        for (const auto& item : expected)
            wanted.insert(item.path);
        EXPECT_EQ(presented, wanted);
        click(Control::btnMore);
    }

    // Switches the substitution on, starts a one-word list and types x, y, t.
    std::string typeXyt()
    {
        library.addFile("words/Words/g/cat.png", pictureBytes(40, 30, "PNG"));
        openWindow();
        find<QCheckBox>(Control::chkboxHandwritingLetters)->setChecked(true);
        click(Control::btnStart);
        type("xyt");
        return find<QLabel>(Control::WordTextbox)->text().toStdString();
    }

    std::map<std::string, std::vector<Item>> lists; // by the row shown for the list
    std::vector<Item> items;
};

// Everything at once: every kind of strange entry in one library.
class HostileLibrary : public StrangeLibrary {
protected:
    void SetUp() override
    {
        using enum Outcome;
        const std::string png = pictureBytes(40, 30, "PNG");
        const std::string jpeg = pictureBytes(64, 48, "JPEG");
        const fs::path g = "Everything/g";

        // Files that are not pictures, or broken ones.
        item(g / "plain text.txt", "just some text\n", placeholder);
        item(g / "a document.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\n%%EOF\n", placeholder);
        item(g / "program.png", "\177ELF\2\1\1" + std::string(4000, '\x90'), placeholder);
        item(g / "empty.png", "", placeholder);
        item(g / "truncated.jpg", jpeg.substr(0, jpeg.size() / 2), placeholder);
        item(g / "truncated.png", png.substr(0, png.size() / 2), placeholder);
        item(g / "corrupt.png", png.substr(0, 60) + std::string(png.size() - 60, '\x5a'), placeholder);
        // libjpeg shows what it can of a scrambled scan.
        item(g / "corrupt.jpg", jpeg.substr(0, jpeg.size() - 40) + std::string(38, '\x5a') + "\xFF\xD9",
             picture);

        // Sizes that would take gigabytes at full size, or round to nothing.
        item(g / "claims to be huge.png", pngClaiming(40000, 40000), placeholder);
        // A real poster, but too large to decode within Qt's allocation limit.
        item(g / "huge black poster.png", blackPng(40000, 40000), placeholder);
        item(g / "claims to be enormous.jpg", jpegClaiming(20000, 20000), picture);
        item(g / "enormous photo.jpg", greyJpeg(20000, 20000), picture);
        item(g / "thin.png", pictureBytes(1, 5000, "PNG"), picture);
        item(g / "flat.png", pictureBytes(5000, 1, "PNG"), picture);

        // Names.
        item(g / "caf\xE9 au lait.png", png, picture);
        item(g / "<b>bold<b> &amp; &lt;.<i>.png", png, picture, "Warning '<i>' not found!");
        item(g / (std::string(251, 'x') + ".png"), png, picture);
        item(g / "e\u0301cole \U0001F44D\U0001F3FD.png", png, picture); // decomposed, and an emoji pair
        item(g / "a*b c.png", png, picture);
        item(g / "the cat..jpg", png, picture, "Warning '' not found!");
        item(g / "   .png", png, noWord);
        item(g / ".hidden.png", png, notGathered);

        // Entries that are not plain files.
        library.addFolder("words" / g / "a folder.png");
        expect({g / "a folder.png", placeholder});
        fs::create_symlink("loop.png", in("Everything/g/loop.png"));
        expect({g / "loop.png", placeholder});
        fs::create_symlink("ping.png", in("Everything/g/pong.png"));
        fs::create_symlink("pong.png", in("Everything/g/ping.png"));
        expect({g / "ping.png", placeholder});
        expect({g / "pong.png", placeholder});
        fs::create_symlink("gone.png", in("Everything/g/dangling.png"));
        expect({g / "dangling.png", placeholder});
        fs::create_symlink(library.addFile("outside/elsewhere.png", png),
                           in("Everything/g/link outside.png"));
        expect({g / "link outside.png", picture});
        ASSERT_EQ(mkfifo(in("Everything/g/pipe.png").c_str(), 0644), 0);
        expect({g / "pipe.png", placeholder});
        item(g / "ok.png", png, picture);

        // Word lists and groups that are files, and a group that leads back to its list.
        library.addFile("words/A list that is a file.png", png);
        lists["A list that is a file.png"];
        item("Groups/g/dog.png", png, picture);
        item("Groups/not a group.png", png, notGathered);
        item("Loops/g/cat.png", png, picture);
        fs::create_symlink(".", in("Loops/up"));
        expect({"Loops/up/g", placeholder});
        expect({"Loops/up/up", placeholder});

        // Word lists whose names are markup, not UTF-8, or as long as a name can be.
        item("<b>Bold<b> &amp;/g/hen.png", png, picture);
        item("Caf\xE9/g/pig.png", png, picture);
        item(std::string(255, 'L') + "/g/cow.png", png, picture);
    }
};

TEST_F(HostileLibrary, EveryListPlaysToItsResultsPageAndNoFileChanges)
{
    alarm(300); // a hang ends the test instead of the CI run
    const std::string before = fingerprint(library.root());
    CapturedErrors errors;
    openWindow();
    auto* rows = find<QComboBox>(Control::ddlWordLists);
    std::set<std::string> shownRows;
    for (int row = 0; row < rows->count(); ++row)
        shownRows.insert(rows->itemText(row).toStdString());
    std::set<std::string> wantedRows;
    for (const auto& [row, expected] : lists)
        wantedRows.insert(row);
    ASSERT_EQ(shownRows, wantedRows);

    for (int row = 0; row < rows->count(); ++row) {
        rows->setCurrentIndex(row);
        SCOPED_TRACE(rows->currentText().toStdString());
        const auto& expected = lists.at(rows->currentText().toStdString());
        playSelectedList(expected);
        if (expected.empty()) {
            EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("has no pictures to play"), -1);
        }
    }
    alarm(0);

    for (const auto* label : window->findChildren<QLabel*>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << "names must never be read as markup";
    for (const auto& item : items) {
        const bool reported = errors.text().find(in(item.path.string()).string()) != std::string::npos;
        const bool bad = item.outcome == Outcome::placeholder || item.outcome == Outcome::noWord;
        EXPECT_EQ(reported, bad) << item.path;
    }
    const long peak = peakMegabytes();
    EXPECT_LT(peak, 250) << "decoding stays bounded whatever the files claim";
    RecordProperty("peak_megabytes", static_cast<int>(peak));
    std::cout << "peak resident memory: " << peak << " MB\n";
    EXPECT_EQ(fingerprint(library.root()), before);
}

TEST_F(StrangeLibrary, WordsThatIsAFileLeavesAnEmptyStartPageWithAnExplanation)
{
    fs::remove_all(library.words());
    library.addFile("words", "a file where the library should be");
    CapturedErrors errors;
    openWindow();
    EXPECT_EQ(find<QComboBox>(Control::ddlWordLists)->count(), 0);
    EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("words is a file"), -1);
    EXPECT_NE(errors.text().find("words is a file"), std::string::npos);
    click(Control::btnStart);
    EXPECT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 0);
    EXPECT_EQ(system.beeps, 1);
}

// Permissions bind only users who cannot override them: run as root, the test
// acts as the unprivileged user "nobody" while the object lives.
class Unprivileged {
public:
    static constexpr uid_t nobody = 65534;
    Unprivileged()
    {
        if (geteuid() == 0)
            dropped_ = setegid(nobody) == 0 && seteuid(nobody) == 0;
    }
    ~Unprivileged()
    {
        if (dropped_ && (seteuid(0) != 0 || setegid(0) != 0))
            ADD_FAILURE() << "cannot become root again";
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool dropped_ = false;
};

// True when the folder can be listed by the process as it is now.
bool canList(const fs::path& folder)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    return !error;
}

TEST_F(StrangeLibrary, UnreadableFoldersAndFilesAreReportedAndTheRestPlays)
{
    const std::string png = pictureBytes(40, 30, "PNG");
    library.addFile("words/Locked/g/cow.png", png);
    library.addFile("words/Mixed/open/hen.png", png);
    library.addFile("words/Mixed/shut/pig.png", png);
    library.addFile("words/Secret/g/secret.png", png);
    library.addFile("words/Secret/g/owl.png", png);
    fs::permissions(library.root(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    chmod(in("Locked").c_str(), 0);
    chmod(in("Mixed/shut").c_str(), 0);
    chmod(in("Secret/g/secret.png").c_str(), 0);
    const std::string before = fingerprint(library.root());
    {
        Unprivileged unprivileged;
        if (canList(in("Locked")))
            GTEST_SKIP() << "this process reads folders whatever their permissions (root that cannot become "
                            "nobody, or a capability to override them), so nothing here is unreadable";
        CapturedErrors errors;
        openWindow();
        auto* rows = find<QComboBox>(Control::ddlWordLists);
        ASSERT_EQ(rows->count(), 3);
        const struct {
            const char* list;
            std::vector<Item> played;
            std::string reported; // on the start page and on stderr
        } cases[] = {
            {"Locked", {}, "words/Locked"},
            {"Mixed", {{"Mixed/open/hen.png", Outcome::picture}}, "words/Mixed/shut"},
            {"Secret",
             {{"Secret/g/owl.png", Outcome::picture}, {"Secret/g/secret.png", Outcome::placeholder}},
             "secret.png"},
        };
        for (const auto& unreadable : cases) {
            SCOPED_TRACE(unreadable.list);
            rows->setCurrentIndex(rows->findText(unreadable.list));
            playSelectedList(unreadable.played);
            EXPECT_NE(
                find<QLabel>(Control::stinfo)->text().indexOf(QString::fromStdString(unreadable.reported)),
                -1);
            EXPECT_NE(errors.text().find(unreadable.reported), std::string::npos);
        }
    }
    EXPECT_EQ(fingerprint(library.root()), before);
}

TEST_F(StrangeLibrary, UnreadableWordsFolderIsExplained)
{
    chmod(library.root().c_str(), 0755);
    library.addFile("words/Animals/g/cat.png", pictureBytes(40, 30, "PNG"));
    chmod(library.words().c_str(), 0);
    Unprivileged unprivileged;
    if (canList(library.words()))
        GTEST_SKIP() << "this process reads folders whatever their permissions, so words is not unreadable";
    CapturedErrors errors;
    openWindow();
    EXPECT_EQ(find<QComboBox>(Control::ddlWordLists)->count(), 0);
    EXPECT_NE(find<QLabel>(Control::stinfo)->text().indexOf("cannot be read"), -1);
    EXPECT_NE(errors.text().find("cannot be read"), std::string::npos);
}

// How CharacterSubstitution.txt can come: the two lines x*c and y*a somewhere in it.
struct SubstitutionFile {
    const char* what;
    std::string contents;
};

std::string binaryJunk()
{
    std::string junk(4096, '\0');
    for (std::size_t i = 1; i < junk.size(); i += 2)
        junk[i] = static_cast<char>(0x80 + i % 128); // never a newline, a "*" or a letter
    return junk;
}

const SubstitutionFile substitutionFiles[] = {
    {"unix", "x*c\ny*a\n"},
    {"windows_line_endings", "x*c\r\ny*a\r\n"},
    {"no_final_newline", "x*c\ny*a"},
    {"binary_before", binaryJunk() + "\nx*c\ny*a\n"},
    {"megabyte_line_before", std::string(1 << 20, 'q') + "*z\nx*c\ny*a\n"},
    {"byte_order_mark", "\xEF\xBB\xBFx*c\r\ny*a\r\n"},
};

class SubstitutionFileKinds : public StrangeLibrary,
                              public ::testing::WithParamInterface<SubstitutionFile> {};

TEST_P(SubstitutionFileKinds, SubstitutesItsLinesAndTheGameGoesOn)
{
    library.addFile("CharacterSubstitution.txt", GetParam().contents);
    EXPECT_EQ(typeXyt(), "cat");
    EXPECT_EQ(system.beeps, 0);
    press(Qt::Key_Return, "\r");
    EXPECT_EQ(find<QStackedWidget>(Control::pnlWordFlash)->currentIndex(), 2);
}

INSTANTIATE_TEST_SUITE_P(Files, SubstitutionFileKinds, ::testing::ValuesIn(substitutionFiles),
                         [](const auto& file) { return std::string(file.param.what); });

TEST_F(StrangeLibrary, SubstitutionFileThatCannotBeReadLeavesKeysAsTyped)
{
    const std::function<void(const fs::path&)> makers[] = {
        [](const fs::path&) {},
        [](const fs::path& path) { fs::create_directory(path); },
        [](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); },
        [](const fs::path& path) { fs::create_symlink(path, path); },
    };
    for (const auto& make : makers) {
        const fs::path file = library.root() / "CharacterSubstitution.txt";
        fs::remove_all(file);
        make(file);
        system.beeps = 0;
        CapturedErrors errors;
        alarm(60); // a FIFO must not block the game
        EXPECT_EQ(typeXyt(), "***");
        alarm(0);
        EXPECT_EQ(system.beeps, 3);
        EXPECT_NE(errors.text().find("cannot read " + file.string()), std::string::npos);
        window.reset();
    }
}

} // namespace
} // namespace lumble::testing
