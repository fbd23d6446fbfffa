// Word advance's picture path against the decoders' own floor, on 24-megapixel photos.
#include "bench/bench_inputs.h"
#include "layout/page_layouts.h"
#include "platform/qt/word_picture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QTemporaryDir folder;

QString photo(const char* format)
{
    const QString path = folder.filePath(QString("photo.") + format);
    if (!QFile::exists(path))
        lumble::bench::writePhoto(path, 6000, 4000, format);
    return path;
}

// What the word page shows a 6000 × 4000 photo at.
lumble::Size displaySize()
{
    const auto layout = lumble::wordPageLayout({{0, 0, 1000, 800}, {6000, 4000}, 1000, 1000, 1000});
    return {layout.WordDisplay.width, layout.WordDisplay.height};
}

void wordPicture(benchmark::State& state, const char* format)
{
    const lumble::FolderEntry item{photo(format).toStdString(), "photo", true};
    for (auto _ : state) {
        auto picture = lumble::WordPicture::open(item);
        benchmark::DoNotOptimize(picture->render(displaySize()));
    }
}

void naiveDecodeThenScale(benchmark::State& state, const char* format)
{
    const QString path = photo(format);
    const auto size = displaySize();
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAllocationLimit(0);
        benchmark::DoNotOptimize(
            reader.read().scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

void plainDecode(benchmark::State& state, const char* format)
{
    const QString path = photo(format);
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAllocationLimit(0);
        benchmark::DoNotOptimize(reader.read());
    }
}

BENCHMARK_CAPTURE(wordPicture, jpeg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(naiveDecodeThenScale, jpeg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wordPicture, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plainDecode, png, "png")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    // The script times djpeg on the same photo.
    if (qEnvironmentVariableIsSet("LUMBLE_BENCH_KEEP"))
        QFile::copy(photo("jpg"), qEnvironmentVariable("LUMBLE_BENCH_KEEP"));
    return 0;
}
