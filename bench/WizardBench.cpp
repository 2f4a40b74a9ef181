// The wizard as a user meets it: a keystroke, a screen change, the start-up.

#include "host/BenchHost.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// One key typed in an amount, through the widget's change event, until the whole presenter
// tree is refreshed, the widgets filled again and the window repainted.
void BM_Keystroke(benchmark::State& state)
{
    bench::SetTrace(state.range(1) != 0);
    bench::Wizard wizard({12, static_cast<int>(state.range(0))});
    wizard.Run([&] {
        const long long before = wizard.model().total();
        wizard.Keystroke();
        if (wizard.model().total() == before) {
            state.SkipWithError("the keystroke did not reach the model");
            return;
        }
        for (auto _ : state)
            wizard.Keystroke();
    });
    bench::SetTrace(true);
}
BENCHMARK(BM_Keystroke)
    ->ArgNames({"controls", "trace"})
    ->Args({200, 1})
    ->Args({1000, 1})
    ->Args({200, 0})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);

// "Suivant >": the screen is checked, the old view destroyed, the new one built by its
// factory, fitted and shown. At the end of the flow the wizard goes back to its first screen,
// outside the measure.
void BM_ScreenChange(benchmark::State& state)
{
    bench::SetTrace(true);
    bench::Wizard wizard({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
    wizard.Run([&] {
        for (auto _ : state) {
            if (wizard.atLastScreen()) {
                state.PauseTiming();
                wizard.First();
                state.ResumeTiming();
            }
            const int before = wizard.activeScreen();
            wizard.Next();
            if (wizard.activeScreen() == before) {
                state.SkipWithError("Next did not change the screen");
                break;
            }
        }
    });
}
BENCHMARK(BM_ScreenChange)
    ->ArgNames({"screens", "controls"})
    ->Args({12, 200})
    ->Args({500, 200})
    ->Args({12, 1000})
    ->Unit(benchmark::kMillisecond);

// From the form presenter's construction to the first screen shown (Execute), and the memory
// that adds. The host's own data (model, links) exist before and are not counted.
void BM_Startup(benchmark::State& state)
{
    bench::SetTrace(true);
    const bench::Sizes sizes{static_cast<int>(state.range(0)), 200};
    double residentMB = 0;
    double heapMB = 0;
    double cpuMs = 0;
    for (auto _ : state) {
        bench::Wizard wizard(sizes);
        const bench::Memory before = bench::MemoryBaseline();
        const auto start = Clock::now();
        const double cpuStart = bench::CpuSeconds();
        double seconds = 0;
        wizard.Run([&] {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
            cpuMs = (bench::CpuSeconds() - cpuStart) * 1000.0;
            const bench::Memory after = bench::MemoryNow();
            residentMB = after.residentMB - before.residentMB;
            heapMB = after.heapMB - before.heapMB;
        });
        state.SetIterationTime(seconds);
    }
    state.counters["rss_MB"] = residentMB;
    state.counters["heap_MB"] = heapMB;
    // The CPU column of a manual-time benchmark covers the whole iteration, teardown included.
    state.counters["cpu_ms"] = cpuMs;
}
BENCHMARK(BM_Startup)
    ->ArgName("screens")
    ->Arg(12)
    ->Arg(100)
    ->Arg(500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
