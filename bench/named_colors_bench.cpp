// The named-colour list is rebuilt (copied and sorted) on every sort command
// and table switch, and searched on "Find Closest Named Color"; both run on
// the window's thread, so they must stay far below a frame.
#include "model/named_color_order.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pigmentrix;

void CopyAndSortGeneralTable(benchmark::State &state)
{
    const auto order = static_cast<SortOrder>(state.range(0));
    for (auto _ : state) {
        TRColorArray list = BuildNamedColorList(false, order, RGBValues{250, 235, 215});
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * NamedColorCount);
}
BENCHMARK(CopyAndSortGeneralTable)
    ->DenseRange(static_cast<std::int64_t>(SortOrder::Name), static_cast<std::int64_t>(SortOrder::Similarity))
    ->Arg(9) // a code no menu item carries
    ->Unit(benchmark::kMicrosecond);

void FindClosestInGeneralTable(benchmark::State &state)
{
    const TRColorArray list = BuildNamedColorList(false, SortOrder::Name, RGBValues{});
    for (auto _ : state) {
        int index = FindClosestColor(list, RGBValues{18, 52, 86}, -1);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(FindClosestInGeneralTable)->Unit(benchmark::kMicrosecond);

void ClosestNamedColorFromScratch(benchmark::State &state)
{
    for (auto _ : state) {
        auto found = ClosestNamedColor(ComposeColor(18, 52, 86), false);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(ClosestNamedColorFromScratch)->Unit(benchmark::kMicrosecond);

} // namespace
