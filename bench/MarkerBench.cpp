// Preparing a marker's three looks and repainting it, at the sizes markers have.
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include <QImage>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
// A photograph-like background: noise, so nothing is uniform.
QImage Background(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(4410);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000);
    return image;
}

void PrepareLooks(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    QImage surface = Background(width, height);
    TBoardHighlight marker(nullptr);
    marker.SetBounds(0, 0, width, height);
    marker.Canvas().Bind(&surface, QPoint(), surface.rect());
    for (auto _ : state) {
        marker.PrepareLooks();
        benchmark::DoNotOptimize(marker.GlowLook().Image().constBits());
    }
    marker.Canvas().Unbind();
}
BENCHMARK(PrepareLooks)
    ->Args({65, 65})
    ->Args({68, 23})
    ->Args({51, 21})
    ->Unit(benchmark::kMicrosecond);

void MarkerRepaint(benchmark::State& state)
{
    QImage surface = Background(600, 409);
    TBoardImage board(nullptr);
    board.SetAutoSize(false);
    board.SetBounds(0, 0, 600, 409);
    auto* marker = new TBoardHighlight(&board);
    marker->SetParent(&board);
    marker->SetBounds(106, 249, 51, 21);
    marker->PaintIn(surface, surface.rect()); // the first paint prepares the looks
    for (auto _ : state) {
        marker->PaintIn(surface, surface.rect());
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(MarkerRepaint)->Unit(benchmark::kMicrosecond);
} // namespace
