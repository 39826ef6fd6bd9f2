// SPDX-License-Identifier: GPL-3.0-or-later
// The percent share allocation over lists of growing length.
#include "program.h"

namespace norv::bench {
namespace {

void StreamlistDoubleClick(benchmark::State& state)
{
    Program p;
    p.main().diskspace.setText("734003200");
    p.main().lenght.setText("5400");
    const auto rows = int(state.range(0));
    for (int i = 0; i < rows; ++i) {
        if (i % 2 == 0)
            p.addRow(i == 0 ? "Video" : "Audio", "10%", "", "");
        else
            p.addRow("Audio", "", "128000", "bit/s");
    }
    WorkCounters counters(state, p.app);
    for (auto _ : state) {
        p.main().streamlist.userDblClick();
        state.PauseTiming(); // the same shares again for every run
        for (int i = 0; i < rows; i += 2)
            p.main().streampercentual.setItem(i, "10%");
        p.app.statistics().cellReads -= std::uint64_t((rows + 1) / 2);
        state.ResumeTiming();
    }
    state.SetComplexityN(rows);
}
BENCHMARK(StreamlistDoubleClick)->Arg(2)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace norv::bench
