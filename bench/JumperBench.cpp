// Paint passes of the jumper controls in each orientation.
#include "setupctrls/RadioPanel.h"
#include "setupctrls/ThreeJumper.h"
#include "setupctrls/TwoJumper.h"
#include "vcl/Application.h"
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// One jumper with a cap on a radio panel, loaded with the orientation and a size that matches
// it, painted into a buffer the way its parent's paint pass does.
template<typename Jumper, typename Cap> void PaintJumper(benchmark::State& state, Cap putCapOn)
{
    const auto orientation = static_cast<TOrientationType>(state.range(0));
    TRadioPanel panel(nullptr);
    auto* jumper = new Jumper(&panel);
    jumper->SetParent(&panel);
    putCapOn(*jumper);
    if (orientation == otLeft || orientation == otRight)
        jumper->SetBounds(0, 0, jumper->Height(), jumper->Width());
    jumper->SetOrientation(orientation);
    QImage buffer(panel.Width(), panel.Height(), QImage::Format_RGB32);
    for (auto _ : state) {
        jumper->PaintIn(buffer, buffer.rect());
        benchmark::DoNotOptimize(buffer.constBits());
    }
}

void ClosedTwoJumper(benchmark::State& state)
{
    PaintJumper<TTwoJumper>(state, [](TTwoJumper& jumper) { jumper.SetClosed(true); });
}

void LeftCappedThreeJumper(benchmark::State& state)
{
    PaintJumper<TThreeJumper>(state, [](TThreeJumper& jumper) { jumper.SetJumperState(jsLeft); });
}

} // namespace

BENCHMARK(ClosedTwoJumper)->DenseRange(otUp, otRight)->ArgName("orientation");
BENCHMARK(LeftCappedThreeJumper)->DenseRange(otUp, otRight)->ArgName("orientation");
