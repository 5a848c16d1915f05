// How fast the preferences dialog redraws its preview after a colour change, at both cell sizes.
#include "appearance/scheme_preview.h"

#include <benchmark/benchmark.h>

namespace {

void PaintPreviewAtCellSize(benchmark::State& state) {
    const CellPitch pitch = PitchOf(static_cast<BoardSize>(state.range(0)));
    QImage preview(PreviewWidth, PreviewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PaintPreview(preview, DefaultScheme, pitch);
        benchmark::DoNotOptimize(preview.constBits());
    }
}
BENCHMARK(PaintPreviewAtCellSize)
    ->Arg(static_cast<int>(BoardSize::Small))
    ->Arg(static_cast<int>(BoardSize::Large))
    ->Unit(benchmark::kMicrosecond);

} // namespace
