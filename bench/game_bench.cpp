// Whole-program measurements through the real main window on the offscreen
// platform: memory over a game of photos, the cost of a key press, and Start.
//   game_bench photos DIR N          writes N 24-megapixel JPEGs into DIR/words/Photos/g
//   game_bench memory DIR            plays DIR/words/Photos to the end; prints peak memory
//   game_bench keys                  10,000 key presses on the word page; prints median and p99
//   game_bench start DIR LIST RUNS   times Start on DIR/words/LIST; prints the median
#include "app/qorvi_wendaro.h"
#include "bench/bench_inputs.h"
#include "bench/typing.h"
#include "library/word_gathering.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "platform/system_random.h"
#include "support/fakes.h"
#include "support/temp_library.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

struct Program {
    explicit Program(const std::filesystem::path& folder) : system(folder, {1280, 1024}) {}
    lumble::testing::FakeSystem system;
    lumble::DiskFolderLister lister;
    lumble::FileTextReader reader;
    lumble::SystemRandom random;
    qorviWendaro window{system, lister, reader, random};

    void press(const QString& text)
    {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&window, &event);
    }
    void selectList(const std::string& name)
    {
        auto* lists = window.findChild<QComboBox*>("ddlWordLists");
        lists->setCurrentIndex(lists->findText(QString::fromStdString(name)));
    }
};

int photos(const std::filesystem::path& folder, int count)
{
    const auto group = folder / "words/Photos/g";
    std::filesystem::create_directories(group);
    const auto first = QString::fromStdString((group / "photo.jpg").string());
    lumble::bench::writePhoto(first, 6000, 4000, "JPEG");
    const char* names[] = {"cat", "dog", "sun", "hat", "bus", "cow", "pig", "hen", "fox", "owl"};
    for (int i = 0; i < count; ++i) {
        const auto name = std::string(names[i % 10]) + "." + names[i % 10] + "." + std::to_string(i) + ".jpg";
        std::filesystem::copy_file(first.toStdString(), group / name);
    }
    std::filesystem::remove(first.toStdString());
    return 0;
}

int memory(const std::filesystem::path& folder)
{
    Program program(folder);
    program.window.showOnMainScreen();
    QCoreApplication::processEvents();
    const long startPage = peakMegabytes();
    program.selectList("Photos");
    program.window.game().btnStart_Action();
    int words = 0;
    while (program.window.page() == 1) {
        ++words;
        while (!program.window.game().state().boolWordFinished)
            program.window.game().WordButton_Action();
        QCoreApplication::processEvents();
        program.press("\r");
    }
    const long end = peakMegabytes();
    std::printf(
        "memory: %d photos played; peak resident memory %ld MB on the start page, %ld MB after the game "
        "(+%ld MB)\n",
        words, startPage, end, end - startPage);
    return 0;
}

double percentile(std::vector<double> values, int percent)
{
    std::sort(values.begin(), values.end());
    return values[values.size() * percent / 100];
}

// Two ends for each key: the game has set the new masked phrase on its label,
// and the event loop has painted the page again (a wrong key changes nothing,
// so nothing is painted for it).
int keys()
{
    lumble::testing::TempLibrary library;
    for (int i = 0; i < 50; ++i)
        library.addFile("words/Long/g/elephant.elephant." + std::to_string(i) + ".png");
    Program program(library.root());
    program.window.show();
    QCoreApplication::processEvents();
    program.window.game().btnStart_Action();
    std::vector<double> handled;
    std::vector<double> painted;
    for (int i = 0; i < 10000; ++i) {
        if (program.window.page() != 1) {
            program.window.game().btnMore_Action();
            program.window.game().btnStart_Action();
            QCoreApplication::processEvents();
        }
        const auto key = QString::fromStdString(lumble::bench::nextKey(program.window.game().state(), i));
        const auto before = Clock::now();
        program.press(key);
        handled.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
        QCoreApplication::processEvents();
        painted.push_back(std::chrono::duration<double, std::micro>(Clock::now() - before).count());
    }
    std::printf(
        "keys: %zu key presses; to the new phrase on its label: median %.1f us, 99th percentile %.1f us\n"
        "      to the page painted again: median %.1f us, 99th percentile %.1f us\n",
        handled.size(), percentile(handled, 50), percentile(handled, 99), percentile(painted, 50),
        percentile(painted, 99));
    return 0;
}

int start(const std::filesystem::path& folder, const std::string& list, int runs)
{
    Program program(folder);
    program.selectList(list);
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        const auto before = Clock::now();
        program.window.game().btnStart_Action();
        millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        program.window.game().recoverFromFailure("next run"); // back to an empty queue
    }
    const auto words = lumble::gatherWordItems(program.lister, folder / "words" / list).size();
    std::printf("start: %zu words gathered and shuffled, median %.1f ms over %d runs\n", words,
                percentile(millis, 50), runs);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "photos")
        return photos(args[1], std::stoi(args[2]));
    if (args.size() == 2 && args[0] == "memory")
        return memory(args[1]);
    if (args.size() == 1 && args[0] == "keys")
        return keys();
    if (args.size() == 4 && args[0] == "start")
        return start(args[1], args[2], std::stoi(args[3]));
    std::fprintf(stderr, "usage: see the top of bench/game_bench.cpp\n");
    return 2;
}
