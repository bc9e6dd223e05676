// The sprite copy at the size the board uses: 50 x 50 from a holder onto the board.
#include "platform/ui/surface.h"
#include <benchmark/benchmark.h>

namespace {

platform::Surface sprite()
{
    platform::Surface s(50, 50, qRgb(255, 0, 255));
    s.fill_rect(QRect(10, 8, 30, 40), qRgb(230, 230, 240));
    s.fill_rect(QRect(18, 16, 4, 4), qRgb(20, 20, 20));
    return s;
}

void BM_trans_blt_50x50(benchmark::State& state)
{
    platform::Surface board(150, 150, qRgb(0, 128, 255));
    const platform::Surface s = sprite();
    const QRgb key = s.pixel(0, 0);
    int hole = 0;
    for (auto _ : state) {
        platform::trans_blt(board, (hole % 3) * 50, (hole / 3) * 50, 50, 50, s, 0, 0, key);
        hole = (hole + 1) % 9;
        benchmark::DoNotOptimize(board.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 2500);
}
BENCHMARK(BM_trans_blt_50x50);

} // namespace
