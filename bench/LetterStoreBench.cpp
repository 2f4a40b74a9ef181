// The letter store's lookups for a whole screen (one per letter), on a list as the screen view
// builds it, and right after the view renumbered its letters in place.

#include "qlettre.h"

#include <benchmark/benchmark.h>

namespace {

struct Letters
{
    explicit Letters(int count)
    {
        for (int i = 0; i < count; ++i)
            AjouteLettre(&tete, static_cast<short>(i + 1), 0, 0, 0, 1, 0);
    }
    ~Letters() { LibereLettre(&tete); }
    structLettre* tete = nullptr;
};

void BM_LetterLookups(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    Letters letters(count);
    for (auto _ : state) {
        for (int i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(TrouveLettre(i, letters.tete));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LetterLookups)
    ->ArgName("letters")
    ->Arg(600)
    ->Arg(3000)
    ->Arg(30000)
    ->Unit(benchmark::kMicrosecond);

// Each round renumbers every letter (as a repeated screen does: code + offset, written into
// the letter) and then looks every new code up.
void BM_LetterLookupsAfterRenumbering(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    Letters letters(count);
    int offset = 0;
    for (auto _ : state) {
        const int next = offset == 0 ? count : 0;
        for (structLettre* l = letters.tete; l; l = VaLettreSuivante(l))
            l->lettrage = static_cast<short>(l->lettrage - offset + next);
        offset = next;
        for (int i = 1; i <= count; ++i)
            benchmark::DoNotOptimize(TrouveLettre(i + offset, letters.tete));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LetterLookupsAfterRenumbering)
    ->ArgName("letters")
    ->Arg(600)
    ->Arg(3000)
    ->Unit(benchmark::kMicrosecond);

// Building a screen's list letter by letter.
void BM_LetterAppend(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state)
        Letters letters(count);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LetterAppend)->ArgName("letters")->Arg(600)->Arg(3000)->Unit(benchmark::kMicrosecond);

} // namespace
