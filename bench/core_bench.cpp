// The game's rules without Qt: a key press, gathering a big word list, listing
// one folder, and the word page's layout.
#include "bench/typing.h"
#include "game/game.h"
#include "layout/page_layouts.h"
#include "library/word_gathering.h"
#include "platform/disk_folder_lister.h"
#include "platform/file_text_reader.h"
#include "support/fakes.h"
#include "support/recording_lister.h"
#include "support/temp_library.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using lumble::testing::TempLibrary;

// A word list of 100 groups of 1,000 items.
struct BigWordList : TempLibrary {
    BigWordList()
    {
        for (int group = 0; group < 100; ++group) {
            for (int item = 0; item < 1000; ++item)
                addFile("words/Big/group " + std::to_string(group) + "/word" + std::to_string(item) + ".png");
        }
    }
};

const BigWordList& bigWordList()
{
    static const BigWordList library;
    return library;
}

// Each key press timed on its own: the median and the 99th percentile are
// what a child feels, not the mean.
void keyPress(benchmark::State& state)
{
    TempLibrary library;
    lumble::testing::FakeWindow window;
    for (int i = 0; i < 50; ++i) {
        const std::string name = "elephant.elephant." + std::to_string(i) + ".png";
        library.addFile("words/Long/g/" + name);
        window.pictures[name] = {6000, 4000};
    }
    lumble::testing::FakeSystem system(library.root());
    lumble::DiskFolderLister lister;
    lumble::FileTextReader reader;
    lumble::testing::ScriptedRandom random;
    lumble::Game game(window, system, lister, reader, random);
    game.Open();
    game.btnStart_Action();

    std::vector<double> micros;
    int press = 0;
    for (auto _ : state) {
        if (window.page() != 1) {
            game.btnMore_Action();
            game.btnStart_Action();
        }
        const std::string key = lumble::bench::nextKey(game.state(), press++);
        const auto before = std::chrono::steady_clock::now();
        game.KeyDown(key, false);
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - before;
        state.SetIterationTime(taken.count());
        micros.push_back(taken.count() * 1e6);
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

void gatherBigWordList(benchmark::State& state)
{
    const auto list = bigWordList().words() / "Big";
    const lumble::DiskFolderLister lister;
    std::size_t items = 0;
    for (auto _ : state)
        items = lumble::gatherWordItems(lister, list).size();
    lumble::testing::RecordingLister recording;
    lumble::gatherWordItems(recording, list);
    state.counters["items"] = static_cast<double>(items);
    state.counters["folders_listed"] = static_cast<double>(recording.listed.size());
}

void listThousandNames(benchmark::State& state)
{
    const auto group = bigWordList().words() / "Big" / "group 0";
    const lumble::DiskFolderLister lister;
    for (auto _ : state)
        benchmark::DoNotOptimize(lister.list(group));
}

void wordPageLayout(benchmark::State& state)
{
    lumble::WordPageInput input{{140, 112, 1000, 800}, {6000, 4000}, 1000, 1000, 1000};
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(lumble::wordPageLayout(input));
    }
}

BENCHMARK(keyPress)->Iterations(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(gatherBigWordList)->Unit(benchmark::kMillisecond);
BENCHMARK(listThousandNames)->Unit(benchmark::kMillisecond);
BENCHMARK(wordPageLayout);

} // namespace

BENCHMARK_MAIN();
