// How long a screen with hundreds of fields takes to move its letters to its widgets and back,
// which happens at every keystroke: the controls alone, without the rest of the change road.

#include "TEdit.h"
#include "TForm.h"
#include "controls/TdCEdit.h"
#include "qlettre.h"

#include "host/BenchHost.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// One screen: a form, `count` edits and their controls, a letter list with a value per letter.
struct Screen
{
    explicit Screen(int count) : form(std::make_unique<TForm>(nullptr))
    {
        for (int i = 0; i < count; ++i) {
            auto* edit = new TEdit(form.get()); // owned by the form
            auto control = std::make_unique<TdCEdit>();
            control->m_lettrage = i + 1;
            control->m_component = edit;
            controls.push_back(std::move(control));
            structLettre* lettre = AjouteLettre(&lettres, static_cast<short>(i + 1), 0, 0, 0, 1, 0);
            char value[32];
            std::snprintf(value, sizeof value, "valeur %d", i);
            MetValeurLettre(lettre, value);
        }
    }
    ~Screen() { LibereLettre(&lettres); }

    std::unique_ptr<TForm> form;
    std::vector<std::unique_ptr<TdCEdit>> controls;
    structLettre* lettres = nullptr;
};

void BM_LettrageVersEcran(benchmark::State& state)
{
    bench::SetTrace(state.range(1) != 0);
    Screen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (auto& control : screen.controls)
            control->LettrageVersEcran(screen.lettres, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LettrageVersEcran)
    ->ArgsProduct({{100, 500, 1000}, {0, 1}})
    ->ArgNames({"fields", "trace"})
    ->Unit(benchmark::kMillisecond);

void BM_EcranVersLettrage(benchmark::State& state)
{
    bench::SetTrace(state.range(1) != 0);
    Screen screen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (auto& control : screen.controls)
            control->EcranVersLettrage(screen.lettres, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EcranVersLettrage)
    ->ArgsProduct({{100, 500, 1000}, {0, 1}})
    ->ArgNames({"fields", "trace"})
    ->Unit(benchmark::kMillisecond);

} // namespace
